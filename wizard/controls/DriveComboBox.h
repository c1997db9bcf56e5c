#pragma once

#include <QComboBox>
#include <QPointer>
#include <QString>

namespace wizard
{

class DirectoryListBox;

// The drive selector: drive letters on Windows, mounted volumes elsewhere.
// Tied to a directory list, it shows the drive of the list's directory, and
// choosing a drive moves the list to the directory it last showed on that
// drive in this run (the drive's root at first).
class DriveComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    void setDirectoryList(DirectoryListBox* list);

    // The list opens as wide as its longest entry.
    void showPopup() override;

private:
    void followList();
    void driveChosen(int index);
    int indexOfRoot(const QString& root);

    QPointer<DirectoryListBox> m_list;
    QMetaObject::Connection m_listConnection;
};

} // namespace wizard
