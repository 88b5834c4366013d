#include "namedcombobox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class NamedComboBox : public QAccessibleWidget
{
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) { }

    QString text(QAccessible::Text kind) const override
    {
        const auto* const box = static_cast<const QComboBox*>(object());
        if (kind == QAccessible::Name && !box->accessibleName().isEmpty())
            return box->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* namedComboBox(const QString& className, QObject* object)
{
    // Only the main window's own boxes: those of Qt's dialogs keep Qt's interface. The interface is
    // made once, often before the name is set, so it asks for the name each time.
    auto* const box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box || !box->window()->inherits("FormMain"))
        return nullptr;
    return new NamedComboBox(box);
}

} // namespace

void UseNamedComboBoxes()
{
    QAccessible::removeFactory(namedComboBox);
    QAccessible::installFactory(namedComboBox);
}
