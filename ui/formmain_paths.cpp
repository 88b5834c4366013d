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

bool FormMain::takesDrag(const QMimeData* mime) const
{
    // A drop is user input, which waits while a command runs; a drag cannot wait, so it is refused.
    return mime && mime->hasUrls() && !commandRunning;
}

void FormMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (takesDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

// Files dragged over a path field are the window's drop, as beside the field; the field neither
// shows a text cursor where the file would go nor inserts its URL. Text and web links dropped on
// a field stay the field's own.
bool FormMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool field = watched == txtSource || watched == txtDestination;
    const QEvent::Type type = event->type();
    if (!field || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QMainWindow::eventFilter(watched, event);
    auto* const drag = static_cast<QDropEvent*>(event);
    const QMimeData* const mime = drag->mimeData();
    if (!mime || !mime->hasUrls() || !mime->urls().constFirst().isLocalFile())
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::Drop)
        dropEvent(drag);
    else if (takesDrag(mime))
        drag->acceptProposedAction();
    else
        drag->ignore();
    return true;
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
