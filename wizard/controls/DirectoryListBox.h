#pragma once

#include "wizard/controls/ListBox.h"

#include <QIcon>
#include <QString>

namespace wizard
{

class FolderWatcher;

// A directory chooser: the current directory's path from the root down, one
// entry per level, each with an open folder, then its subdirectories with
// closed ones, icon and name indented by depth. Opening an entry
// (double-click, Enter or Return) makes it the current directory. Each entry's
// text is the directory's bare name (the root's whole path); it keeps its full
// path in Qt::UserRole and its depth (the root 0) in DepthRole.
//
// It starts in the process's working directory, or in the home folder when
// that directory no longer exists. While it is shown it follows the current
// directory on disk (FolderWatcher): subdirectories created, removed or
// renamed appear and go, the current entry and the view staying where they
// still exist.
class DirectoryListBox : public ListBox
{
    Q_OBJECT

public:
    static constexpr int DepthRole = Qt::UserRole + 1;

    explicit DirectoryListBox(QWidget* parent = nullptr);

    // Absolute, native separators, no trailing separator except at a root.
    QString directory() const;

    // False (and nothing changes) when the path is empty or no directory.
    // Entering the directory already shown is a success without changed().
    // The new directory is taken in the spelling the file system reports,
    // with symbolic links resolved.
    bool setDirectory(const QString& path);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openEntry(QListWidgetItem* item);
    void rebuildEntries();
    void followDisk();
    QStringList subdirectories() const;
    QListWidgetItem* addEntry(const QString& text, const QString& path, int depth,
                              const QIcon& icon);

    QString m_directory; // Qt spelling ("/" separators)
    // Fetched once for the list: every entry shares one of the two.
    QIcon m_openFolder;
    QIcon m_closedFolder;
    FolderWatcher* m_watcher;
};

} // namespace wizard
