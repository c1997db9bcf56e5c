#pragma once

#include "wizard/controls/ListBox.h"
#include <QString>

namespace wizard
{

// The plain names of one directory's files that match a wildcard mask,
// sorted by the locale collation without regard to case, with extended
// (shift/control) selection. Starts in the working directory with "*.nes".
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

    // Reads the entries again; the selection is lost.
    void reread();

    // The rows of the selected entries in ascending order, from one reading of
    // the selection.
    QList<int> selectedRows() const;

    // Takes the entries at the given rows (ascending) off the list in one
    // pass. The focused entry stays focused when it stays; when it goes, the
    // entry before it takes the focus (the first one when none is before it).
    void removeRows(const QList<int>& rows);

    // Puts the named files back at their sorted places, as a re-read would
    // list them: those that lie in the directory, match the mask and are not
    // listed already.
    void restoreEntries(const QStringList& names);

    // Windows wildcard rules, case-insensitive: "*" any run, "?" one
    // character, several masks separated by ";" or blanks, and a mask ending in ".*"
    // also matches names without a dot ("*.*" matches every name).
    static bool matchesMask(const QString& mask, const QString& fileName);

private:
    QString m_directory;
    QString m_mask;
};

} // namespace wizard
