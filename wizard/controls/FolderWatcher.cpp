#include "wizard/controls/FolderWatcher.h"

#include <QDir>
#include <QEvent>
#include <QWidget>

namespace wizard
{

FolderWatcher::FolderWatcher(QWidget* list) : QObject(list), m_list(list)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    // The first change starts the wait; those that follow within it are told with it.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!m_settle.isActive())
            m_settle.start();
    });
    connect(&m_settle, &QTimer::timeout, this, &FolderWatcher::changed);
    list->installEventFilter(this);
}

void FolderWatcher::setFolder(const QString& folder)
{
    const QString path = folder.isEmpty() ? QString() : QDir::fromNativeSeparators(folder);
    if (path == m_folder)
        return;
    m_folder = path;
    m_settle.stop();
    // The list reads the new folder itself; changes to come are seen only
    // from when it is shown.
    const bool shown = m_list->isVisible();
    m_missed = !shown && !m_folder.isEmpty();
    watch(shown);
}

bool FolderWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // A list gets Show and Hide with its page and its window too.
    if (watched == m_list && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        const bool shown = event->type() == QEvent::Show;
        watch(shown);
        if (shown && m_missed) {
            m_missed = false;
            emit changed();
        }
        if (!shown && !m_folder.isEmpty())
            m_missed = true;
    }
    return QObject::eventFilter(watched, event);
}

void FolderWatcher::watch(bool shown)
{
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    // A folder that is gone cannot be watched; the list shows it empty.
    if (shown && !m_folder.isEmpty() && QDir(m_folder).exists())
        m_watcher.addPath(m_folder);
}

} // namespace wizard
