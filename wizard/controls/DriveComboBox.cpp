#include "wizard/controls/DriveComboBox.h"

#include "platform/Drives.h"
#include "platform/Paths.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/ListBox.h"

namespace wizard
{

namespace
{

// Item data: the root the entry stands for, and the directory the list last
// showed on it.
const int RootRole = Qt::UserRole;
const int LastDirectoryRole = Qt::UserRole + 1;

} // namespace

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent)
{
    usePopupListView(this);
    for (const QString& root : platform::driveRoots())
        addItem(root, root);
    // activated, not currentIndexChanged: only the user's choice moves the
    // list; following the list must not move it back.
    connect(this, &QComboBox::activated, this, &DriveComboBox::driveChosen);
}

void DriveComboBox::setDirectoryList(DirectoryListBox* list)
{
    disconnect(m_listConnection);
    m_list = list;
    if (list == nullptr)
        return;
    m_listConnection = connect(list, &DirectoryListBox::changed, this, &DriveComboBox::followList);
    followList();
}

void DriveComboBox::followList()
{
    if (m_list == nullptr)
        return;
    const QString directory = m_list->directory();
    const int index = indexOfRoot(platform::driveRootOf(directory));
    setItemData(index, directory, LastDirectoryRole);
    setCurrentIndex(index);
}

void DriveComboBox::driveChosen(int index)
{
    if (m_list == nullptr || index < 0)
        return;
    const QString root = itemData(index, RootRole).toString();
    const QString last = itemData(index, LastDirectoryRole).toString();
    // A remembered directory may have gone meanwhile; the root is the fallback.
    if (last.isEmpty() || !m_list->setDirectory(last))
        m_list->setDirectory(root);
    // After a failure (a drive that is not ready) this shows the list's drive
    // again; after a move the list's changed() has done the same already.
    followList();
}

int DriveComboBox::indexOfRoot(const QString& root)
{
    // Both spellings come from Qt, so an exact match is the rule; asking the
    // file system is the fallback, as it may wake (or wait for) every drive.
    const int exact = findData(root, RootRole, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (exact >= 0)
        return exact;
    for (int i = 0; i < count(); ++i) {
        if (platform::namesSameFile(itemData(i, RootRole).toString(), root))
            return i;
    }
    // A volume mounted after start, or one the list reached without it.
    addItem(root, root);
    return count() - 1;
}

void DriveComboBox::showPopup()
{
    fitPopupToEntries(this);
    QComboBox::showPopup();
}

} // namespace wizard
