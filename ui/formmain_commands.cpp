#include "formmain.h"

#include "FileIdentity.h"
#include "PackageSet.h"
#include "Velkaro.h"
#include "VerifyFileA.h"
#include "VerifyFileExA.h"

#include <QApplication>
#include <QByteArray>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QLineEdit>
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

// True when `file` is, under any name or link, one of the packages of the set of `prefix`.
bool isInSet(const QByteArray& file, const std::string& prefix)
{
    const std::optional<FileIdentity> identity = IdentityOfPath(file.constData());
    return identity && SetContainsFile(prefix, *identity);
}

} // namespace

void FormMain::split()
{
    const QByteArray source = QFile::encodeName(txtSource->text());
    if (!VerifyFileA(source.constData())) {
        QMessageBox::warning(this, tr("Warning"), tr("Invalid source!"), QMessageBox::Ok);
        return;
    }

    const QByteArray destination = QFile::encodeName(txtDestination->text());
    const unsigned long oldPackages = Velkaro::IsPck((destination + ".c0").toStdString());
    // Overwriting wipes the old set before the source is read: a source inside it would be lost.
    if (isInSet(source, (destination + ".c").toStdString())) {
        QMessageBox::warning(
            this, tr("Warning"), tr("Source and destination overlap!"), QMessageBox::Ok);
        return;
    }
    if (oldPackages != 0
        && QMessageBox::warning(this, tr("Warning"),
               tr("Destination package exists.\nOverwrite it?"), QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::No)
        return;

    double value = cboPackageSize->currentText().toDouble();
    bool valid = value > 0;
    switch (cboUnits->currentIndex()) {
    case 0:
        valid = valid && value >= 1;
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
    valid = valid && std::isfinite(bytes)
        && bytes <= double(std::numeric_limits<std::uint32_t>::max());
    if (!valid) {
        QMessageBox::warning(this, tr("Warning"), tr("Invalid package size!"), QMessageBox::Ok);
        return;
    }

    bool done = false;
    {
        const WaitCursor wait(this);
        done = Velkaro::Split(source.toStdString(), destination.toStdString(),
            static_cast<std::uint32_t>(bytes), true);
        if (done)
            AddUniqueComboListItem(cboPackageSize, 0);
    }
    if (done)
        QApplication::beep();
    else
        QMessageBox::critical(this, tr("Error"), tr("Unable to split!"), QMessageBox::Ok);
}

void FormMain::build()
{
    const QByteArray source = QFile::encodeName(txtSource->text());
    if (Velkaro::IsPck(source.toStdString()) == 0) {
        QMessageBox::warning(this, tr("Warning"),
            tr("Invalid source, please select a valid package with a (*.c*) extension."),
            QMessageBox::Ok);
        return;
    }

    const QByteArray destination = QFile::encodeName(txtDestination->text());
    // Writing the destination empties it before it is read: it must not be one of the packages.
    if (isInSet(destination, PackagePrefix(source.toStdString()))) {
        QMessageBox::warning(
            this, tr("Warning"), tr("Source and destination overlap!"), QMessageBox::Ok);
        return;
    }
    switch (VerifyFileExA(destination.constData())) {
    case 0:
        if (QMessageBox::warning(this, tr("Warning"), tr("Destination file exists.\nOverwrite it?"),
                QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::No)
            return;
        break;
    case 2:
        QMessageBox::warning(this, tr("Warning"), tr("Invalid destination!"), QMessageBox::Ok);
        return;
    default:
        break;
    }

    bool done = false;
    {
        const WaitCursor wait(this);
        done = Velkaro::Build(source.toStdString(), destination.toStdString(), true);
    }
    if (done)
        QApplication::beep();
    else
        QMessageBox::critical(this, tr("Error"), tr("Unable to build!"), QMessageBox::Ok);
}
