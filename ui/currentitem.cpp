#include "currentitem.h"

#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace {

// The item is a row of the box's list, its one child.
void announceCurrentItem(QComboBox* box)
{
    // Without a screen reader there is no one to tell.
    if (!box->hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(box);
    QAccessibleInterface* const list = face ? face->child(0) : nullptr;
    QAccessibleInterface* const item = list ? list->child(box->currentIndex()) : nullptr;
    if (!item)
        return;
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

class FocusWatcher : public QObject
{
public:
    explicit FocusWatcher(QComboBox* watched) : QObject(watched), box(watched) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // After the box's own focus event, which Qt sends once this one has been handled: a
        // screen reader says the box, then its item.
        if (event->type() == QEvent::FocusIn && box)
            QTimer::singleShot(0, box, [target = box] {
                if (target)
                    announceCurrentItem(target);
            });
        return QObject::eventFilter(watched, event);
    }

private:
    const QPointer<QComboBox> box;
};

} // namespace

void SpeakCurrentItem(QComboBox* box)
{
    // While the list is open the list has the focus and speaks for itself.
    QObject::connect(
        box, &QComboBox::currentIndexChanged, box, [box] { announceCurrentItem(box); });
    box->installEventFilter(new FocusWatcher(box));
}
