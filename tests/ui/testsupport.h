#pragma once

// Shared pieces of the window tests: answerers for the modal windows that the commands show, and a
// key press on a button's mnemonic.

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Watches for modal windows of type W while it lives, polling as a user's eye would, and hands each
// one that comes up to answer() once. A modal window runs its own event loop, so only a timer can
// reach it.
template <typename W> class ModalAnswerer : public QObject
{
public:
    ModalAnswerer()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        timer.start();
    }

protected:
    virtual void answer(W* window) = 0;

private:
    void poll()
    {
        auto* const window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || window == current)
            return;
        current = window;
        answer(window);
    }

    QPointer<W> current;
    QTimer timer;
};

// What a message box showed when it came up.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    // The buttons' words, in the order of the box, as the user reads them.
    QStringList buttonTexts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    // The parent's cursor while the box is up: the commands put theirs back before they report.
    Qt::CursorShape parentCursor = Qt::ArrowCursor;
    bool overrideCursor = false;
};

// Answers the modal message boxes in turn with the planned buttons, clicking them as a user would,
// and records every box. A box beyond the plan is dismissed (No, else Ok) so that a test fails on
// what it saw instead of hanging.
class BoxAnswerer : public ModalAnswerer<QMessageBox>
{
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> plan = {})
        : answers(std::move(plan)) { }

    const QList<SeenBox>& seen() const { return seenBoxes; }

    QStringList texts() const
    {
        QStringList result;
        for (const SeenBox& box : seenBoxes)
            result << box.text;
        return result;
    }

private:
    void answer(QMessageBox* box) override
    {
        QWidget* const parent = box->parentWidget();
        QStringList words;
        for (const QAbstractButton* button : box->buttons())
            words << button->text();
        seenBoxes.append({box->windowTitle(), box->text(), box->standardButtons(), words,
            box->icon(), parent, parent ? parent->cursor().shape() : Qt::ArrowCursor,
            QApplication::overrideCursor() != nullptr});
        QAbstractButton* button = nullptr;
        if (!answers.isEmpty())
            button = box->button(answers.takeFirst());
        if (!button)
            button = box->button(QMessageBox::No);
        if (!button)
            button = box->button(QMessageBox::Ok);
        if (button)
            button->click();
        else
            box->reject();
    }

    QList<QMessageBox::StandardButton> answers;
    QList<SeenBox> seenBoxes;
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
