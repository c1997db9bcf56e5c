#pragma once

#include <QComboBox>
#include <QPointer>
#include <QString>

namespace wizard
{

class FileListBox;

// The filter selector: entries from a "caption|mask|caption|mask" string.
// Tied to a file list, the chosen entry's mask becomes the list's mask.
class FilterComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit FilterComboBox(QWidget* parent = nullptr);

    // Replaces the entries and selects the first. A caption without a mask
    // at the end is left out.
    void setFilter(const QString& filter);
    void setFileList(FileListBox* list);

    // The chosen entry's mask; empty while there are no entries.
    QString mask() const;
    // Chooses the entry with this mask; false (nothing changes) when none has it.
    bool chooseMask(const QString& mask);

    // The list opens as wide as its longest entry.
    void showPopup() override;

protected:
    // An entry too long for the selector is shown with its end left out
    // ("…"); the tooltip tells the entry whole.
    void paintEvent(QPaintEvent* event) override;

private:
    void applyMask();

    QPointer<FileListBox> m_list;
    bool m_filling = false;
};

} // namespace wizard
