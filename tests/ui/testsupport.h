#pragma once

// Shared pieces of the window tests: an answerer for the modal message boxes that the commands
// show, and a key press on a button's mnemonic.

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// What a message box showed when it came up.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    // The parent's cursor while the box is up: the commands put theirs back before they report.
    Qt::CursorShape parentCursor = Qt::ArrowCursor;
    bool overrideCursor = false;
};

// Answers the modal message boxes in turn with the planned buttons, clicking them as a user would,
// and records every box. A box beyond the plan is dismissed (No, else Ok) so that a test fails on
// what it saw instead of hanging.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
        timer_.start();
    }

    const QList<SeenBox>& seen() const { return seen_; }

    QStringList texts() const
    {
        QStringList result;
        for (const SeenBox& box : seen_)
            result << box.text;
        return result;
    }

private:
    void poll()
    {
        auto* const box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == current_)
            return;
        current_ = box;
        QWidget* const parent = box->parentWidget();
        seen_.append({box->windowTitle(), box->text(), box->standardButtons(), box->icon(), parent,
            parent ? parent->cursor().shape() : Qt::ArrowCursor,
            QApplication::overrideCursor() != nullptr});
        QAbstractButton* button = nullptr;
        if (!answers_.isEmpty())
            button = box->button(answers_.takeFirst());
        if (!button)
            button = box->button(QMessageBox::No);
        if (!button)
            button = box->button(QMessageBox::Ok);
        if (button)
            button->click();
        else
            box->reject();
    }

    QList<QMessageBox::StandardButton> answers_;
    QList<SeenBox> seen_;
    QPointer<QMessageBox> current_;
    QTimer timer_;
};

// Presses Alt+key as a user would and waits until `button`, which has that mnemonic, has run its
// slots: a button clicks a moment after its shortcut, not within the key press.
inline bool pressMnemonic(QWidget* window, QAbstractButton* button, Qt::Key key)
{
    // Shortcuts reach only the active window; a dialog that just closed may not have handed it
    // back.
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(window, key, Qt::AltModifier);
    return clicked.count() > 0 || clicked.wait(5000);
}
