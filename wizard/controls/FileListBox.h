#pragma once

#include "wizard/controls/ListBox.h"

#include <QSet>
#include <QString>

#include <functional>

namespace wizard
{

class FolderWatcher;

// The plain names of one directory's files that match a wildcard mask,
// sorted by the locale collation without regard to case, with extended
// (shift/control) selection. Starts in the working directory with "*.nes".
// While it is shown it follows the directory on disk (FolderWatcher). After
// every change its current entry, where it has one, is in view.
class FileListBox : public ListBox
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    // Both re-read the entries only when the value changes.
    void setDirectory(const QString& directory);
    QString directory() const { return m_directory; }
    void setMask(const QString& mask);
    QString mask() const { return m_mask; }

    // Reads the entries again; the selection is lost. The current entry stays
    // current where it is still listed.
    void reread();

    // Files the list leaves out although they match (the roms already selected
    // elsewhere), whenever it reads the folder or follows a change on disk.
    void setLeftOut(std::function<bool(const QString& name)> leftOut);
    // Takes in what changed in the directory since it was last read: files
    // created (unless left out) appear, files removed go, a rename does
    // both. Entries taken off the list stay off while their file stays. The
    // selection, the current entry and the entries in view stay where they
    // still exist.
    void followDisk();

    // The rows of the selected entries in ascending order, from one reading of
    // the selection.
    QList<int> selectedRows() const;

    // Takes the entries at the given rows (ascending) off the list in one
    // pass. The focused entry stays focused when it stays; when it goes, the
    // entry before it takes the focus (the first one when none is before it).
    void removeRows(const QList<int>& rows);
    // Takes the named entries off the list; the others keep their selection.
    void removeNames(const QStringList& names);

    // Puts the named files back at their sorted places, as a re-read would
    // list them: those that lie in the directory, match the mask and are not
    // listed already.
    void restoreEntries(const QStringList& names);

    // Windows wildcard rules, case-insensitive: "*" any run, "?" one
    // character, several masks separated by ";" or blanks, and a mask ending in ".*"
    // also matches names without a dot ("*.*" matches every name).
    static bool matchesMask(const QString& mask, const QString& fileName);

private:
    // The matching files of the directory, sorted.
    QStringList matchingFiles() const;
    void showCurrent();

    QString m_directory;
    QString m_mask;
    QSet<QString> m_onDisk; // the matching files as last read
    FolderWatcher* m_watcher;
    std::function<bool(const QString& name)> m_leftOut;
};

} // namespace wizard
