#include "wizard/RomDropHandler.h"

#include "platform/Paths.h"
#include "wizard/controls/DirectoryListBox.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

namespace wizard
{

DroppedFiles DroppedFiles::fromUrls(const QList<QUrl>& urls)
{
    DroppedFiles files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo file(url.toLocalFile());
        // Only files: a folder, device, pipe or socket is no rom.
        if (!file.isFile())
            continue;
        const QString directory = platform::nativeDirectory(file.absolutePath());
        if (files.fileNames.isEmpty())
            files.directory = directory;
        else if (!platform::namesSameFile(directory, files.directory))
            files.severalDirectories = true;
        files.fileNames << file.fileName();
    }
    if (files.severalDirectories) {
        files.directory.clear();
        files.fileNames.clear();
    }
    return files;
}

RomDropHandler::RomDropHandler(QAbstractItemView* list) : QObject(list), m_list(list)
{
    list->setAcceptDrops(true);
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

DroppedFiles RomDropHandler::filesIn(const QMimeData* mime) const
{
    // A hidden list (its page is not shown) takes nothing.
    if (!m_list->isVisible() || !mime || !mime->hasUrls())
        return {};
    return DroppedFiles::fromUrls(mime->urls());
}

bool RomDropHandler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (filesIn(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const DroppedFiles files = filesIn(drop->mimeData());
        if (files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        QTimer::singleShot(0, this, [this, files] { emit dropped(files); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace wizard
