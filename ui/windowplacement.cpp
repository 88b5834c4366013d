#include "windowplacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

qint64 sharedArea(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return qint64(common.width()) * common.height();
}

QScreen* screenHolding(const QRect& window)
{
    QScreen* best = QGuiApplication::primaryScreen();
    qint64 most = 0;
    for (QScreen* const screen : QGuiApplication::screens()) {
        const qint64 shared = sharedArea(window, screen->geometry());
        if (shared > most) {
            most = shared;
            best = screen;
        }
    }
    return best;
}

// The start nearest to `start` that puts `length` inside the room from `first` on; the room's
// start where the length does not fit, so that the window's top and left edges stay in reach.
int fitSpan(int start, int length, int first, int room)
{
    return std::max(first, std::min(start, first + room - length));
}

} // namespace

void FitWindowOnScreen(QWidget& window)
{
    // The window manager frames the window only once it is shown: before that the frame is the
    // client area at the stored frame position, and that is what is judged. A frame added later
    // may reach past the area by its own border and title bar; waiting for it instead would mean
    // moving a window that is already on screen.
    const QRect frame = window.frameGeometry();
    // A window never moved opens where the window manager puts it: only its size can be judged.
    const bool placed = window.testAttribute(Qt::WA_Moved);
    const QScreen* const screen = placed ? screenHolding(frame) : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();

    const QSize border = frame.size() - window.size();
    if (frame.width() > area.width() || frame.height() > area.height())
        window.resize(
            (frame.size().boundedTo(area.size()) - border).expandedTo(window.minimumSizeHint()));
    if (!placed)
        return;
    const QSize size = window.size() + border;
    const QPoint place(fitSpan(frame.x(), size.width(), area.x(), area.width()),
        fitSpan(frame.y(), size.height(), area.y(), area.height()));
    if (place != frame.topLeft())
        window.move(place);
}
