#include "formmain.h"

#include "naming/PackageNames.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

void FormMain::SetFields(QString path)
{
    txtSource->setText(path);
    // A package proposes the base path of its set, the file that a build restores.
    const std::string encoded = QFile::encodeName(path).toStdString();
    if (FirstPackageExists(encoded))
        path = QFile::decodeName(QByteArray::fromStdString(*BaseOf(encoded)));
    txtDestination->setText(path);
}

void FormMain::source()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), lastSourcePath);
    if (path.isEmpty())
        return;
    lastSourcePath = path;
    SetFields(path);
}

void FormMain::destination()
{
    // Build asks before it replaces a file, so the dialog must not ask a second time.
    const QString path = QFileDialog::getSaveFileName(this, QString(), lastDestinationPath,
        QString(), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    lastDestinationPath = path;
    txtDestination->setText(path);
}

void FormMain::clear()
{
    cboPackageSize->clear();
    cboPackageSize->addItem(tr("1457664"));
    cboUnits->setCurrentIndex(0);
}

void FormMain::dragEnterEvent(QDragEnterEvent* event)
{
    // A drop is user input, which waits while a command runs; a drag cannot wait, so it is refused.
    if (event->mimeData()->hasUrls() && !commandRunning)
        event->acceptProposedAction();
    else
        event->ignore();
}

void FormMain::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    // A URL that names no local file converts to an empty path, which names nothing to take.
    const QString local = urls.first().toLocalFile();
    if (local.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(local);
    if (QFileInfo(path).isDir())
        return;
    SetFields(path);
    event->acceptProposedAction();
}
