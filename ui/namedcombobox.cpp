#include "namedcombobox.h"

#include <QAccessible>
#include <QComboBox>
#include <QPointer>
#include <QWidget>

namespace {

QAccessibleInterface* namedComboBox(const QString& className, QObject* object);

// Qt's own interface of the box, with the box's accessible name as its name. Qt's interface
// belongs to Qt's cache, which would delete it only with the box: it goes with this one instead.
class NamedComboBox : public QAccessibleInterface
{
public:
    NamedComboBox(QComboBox* named, QAccessibleInterface* qtOwn) : box(named), own(qtOwn) { }
    ~NamedComboBox() override
    {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(own));
    }
    NamedComboBox(const NamedComboBox&) = delete;
    NamedComboBox& operator=(const NamedComboBox&) = delete;

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && box && !box->accessibleName().isEmpty())
            return box->accessibleName();
        return own->text(kind);
    }

    bool isValid() const override { return own->isValid(); }
    QObject* object() const override { return own->object(); }
    QWindow* window() const override { return own->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        return own->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return own->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return own->childAt(x, y); }
    QAccessibleInterface* parent() const override { return own->parent(); }
    QAccessibleInterface* child(int index) const override { return own->child(index); }
    int childCount() const override { return own->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return own->indexOfChild(child);
    }
    void setText(QAccessible::Text kind, const QString& text) override { own->setText(kind, text); }
    QRect rect() const override { return own->rect(); }
    QAccessible::Role role() const override { return own->role(); }
    QAccessible::State state() const override { return own->state(); }
    QColor foregroundColor() const override { return own->foregroundColor(); }
    QColor backgroundColor() const override { return own->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return own->interface_cast(type);
    }

private:
    const QPointer<QComboBox> box;
    QAccessibleInterface* const own;
};

QAccessibleInterface* namedComboBox(const QString& className, QObject* object)
{
    // Only the main window's own boxes: those of Qt's dialogs keep Qt's interface unchanged.
    auto* const box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box || !box->window()->inherits("FormMain"))
        return nullptr;
    // Qt's interface comes from Qt's factory, asked while this one stands aside.
    QAccessible::removeFactory(namedComboBox);
    QAccessibleInterface* const own = QAccessible::queryAccessibleInterface(box);
    QAccessible::installFactory(namedComboBox);
    return own ? new NamedComboBox(box, own) : nullptr;
}

} // namespace

void UseNamedComboBoxes()
{
    QAccessible::removeFactory(namedComboBox);
    QAccessible::installFactory(namedComboBox);
}
