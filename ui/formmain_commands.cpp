#include "formmain.h"

#include "Velkaro.h"
#include "bell.h"
#include "packagesize.h"
#include "planning/BuildPlan.h"
#include "planning/SplitPlan.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

// Shows the wait cursor on one widget for the life of the guard, then puts back the one it had.
class WaitCursor
{
public:
    explicit WaitCursor(QWidget* target) : widget(target), saved(target->cursor())
    {
        widget->setCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { widget->setCursor(saved); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* const widget;
    const QCursor saved;
};

// While the engine works, the window goes on being painted and answering the window system (a
// desktop whose pings go unanswered offers to kill the program), but takes no user input: keys
// and clicks wait in the queue and take effect once the command has returned.
Heartbeat keepWindowAlive()
{
    constexpr qint64 IntervalMs = 30;
    QElapsedTimer sinceLast;
    sinceLast.start();
    return [sinceLast]() mutable {
        if (sinceLast.elapsed() < IntervalMs)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceLast.restart();
    };
}

// The byte count that the size text and the unit (0 bytes, 1 KB, 2 MB) ask for, or none where
// they ask for no valid size. A size in bytes must be whole: cutting 1.5 down to 1 would split
// with a size nobody typed. Fractions of a KB or MB are rounded down to bytes.
std::optional<std::uint32_t> packageBytes(const QString& text, int unit)
{
    double value = ReadPackageSize(text, QLocale()).value_or(0);
    bool valid = value > 0;
    switch (unit) {
    case 0:
        valid = valid && value >= 1 && value == std::floor(value);
        break;
    case 1:
        value *= 1024;
        break;
    case 2:
        value *= 1024;
        value *= 1024;
        break;
    }
    const double bytes = std::floor(value);
    // The engine counts in 32 bits; a larger size must not wrap round to a small one.
    if (!valid || !std::isfinite(bytes)
        || bytes > double(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes);
}

} // namespace

void FormMain::split()
{
    const std::string source = QFile::encodeName(txtSource->text()).toStdString();
    const std::string destination = QFile::encodeName(txtDestination->text()).toStdString();
    const std::optional<std::uint32_t> bytes
        = packageBytes(cboPackageSize->currentText(), cboUnits->currentIndex());
    const SplitPlan plan = PlanSplit(source, destination, bytes);
    using Refusal = SplitPlan::Refusal;
    // Asked for an old set, and for any other file at a name the new set takes or runs into.
    // Without a yes, the engine replaces nothing, also not what appears in the meantime.
    const bool overwrite = plan.FirstRefusal(false) == Refusal::Replaces;
    if (!mayReplace(overwrite, tr("Destination package exists.\nOverwrite it?")))
        return;
    const Refusal refusal = plan.FirstRefusal(overwrite);
    // An overlap: the split would remove or rewrite the source before it has been read.
    const QString warning = refusal == Refusal::Source ? tr("Invalid source!")
        : refusal == Refusal::Destination              ? tr("Invalid destination!")
        : refusal == Refusal::Overlap                  ? tr("Source and destination overlap!")
        : refusal == Refusal::Size                     ? tr("Invalid package size!")
                                                       : QString();
    if (warned(warning))
        return;
    // What the engine alone refuses is shown as a split that failed.
    finish(refusal == Refusal::None && runCommand([&] {
        const bool split
            = Velkaro::Split(source, destination, *bytes, overwrite, keepWindowAlive());
        // The history keeps plain numbers, so that the settings read the same in every locale.
        if (split) {
            const QString plain = PlainPackageSize(cboPackageSize->currentText(), QLocale());
            if (plain != cboPackageSize->currentText())
                cboPackageSize->setEditText(plain);
            AddUniqueComboListItem(cboPackageSize, 0);
        }
        return split;
    }),
        tr("Unable to split!"));
}

void FormMain::build()
{
    const std::string source = QFile::encodeName(txtSource->text()).toStdString();
    const std::string destination = QFile::encodeName(txtDestination->text()).toStdString();
    const BuildPlan plan = PlanBuild(source, destination);
    using Refusal = BuildPlan::Refusal;
    const bool overwrite = plan.FirstRefusal(false) == Refusal::Replaces;
    if (!mayReplace(overwrite, tr("Destination file exists.\nOverwrite it?")))
        return;
    const Refusal refusal = plan.FirstRefusal(overwrite);
    // An overlap: the build would read the destination, or leave it under a package's name.
    const QString warning = refusal == Refusal::Source
        ? tr("Invalid source, please select a valid package with a (*.c*) extension.")
        : refusal == Refusal::Overlap     ? tr("Source and destination overlap!")
        : refusal == Refusal::Destination ? tr("Invalid destination!")
                                          : QString();
    if (warned(warning))
        return;
    // What the engine alone refuses is shown as a build that failed.
    finish(refusal == Refusal::None && runCommand([&] {
        return Velkaro::Build(source, destination, overwrite, keepWindowAlive());
    }),
        tr("Unable to build!"));
}

bool FormMain::mayReplace(bool replaces, const QString& question)
{
    return !replaces
        || QMessageBox::warning(this, tr("Warning"), question, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::No;
}

bool FormMain::warned(const QString& text)
{
    if (text.isEmpty())
        return false;
    QMessageBox::warning(this, tr("Warning"), text, QMessageBox::Ok);
    return true;
}

void FormMain::finish(bool done, const QString& failed)
{
    if (done)
        bell->ring();
    else
        QMessageBox::critical(this, tr("Error"), failed, QMessageBox::Ok);
    closeIfAsked();
}

bool FormMain::runCommand(const std::function<bool()>& command)
{
    const WaitCursor wait(this);
    commandRunning = true;
    const bool done = command();
    commandRunning = false;
    // Keys and clicks made meanwhile wait in the toolkit's queue, which would hand them out only
    // with the next event from the display: they are taken once this slot has returned (not in
    // it, where a key could start a second command inside this one).
    QMetaObject::invokeMethod(
        this, [] { QCoreApplication::processEvents(); }, Qt::QueuedConnection);
    return done;
}

// A close request that came while a command ran is carried out now that its result is shown.
void FormMain::closeIfAsked()
{
    if (!closeAsked)
        return;
    closeAsked = false;
    close();
}
