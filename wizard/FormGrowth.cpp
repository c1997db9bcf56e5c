#include "wizard/FormGrowth.h"

#include "wizard/controls/GrowingForm.h"

#include <QWidget>

namespace wizard
{

namespace
{

using Width = Growth::Width;

struct ControlGrowth {
    const char* name;
    Growth growth;
};

struct ParentGrowth {
    const char* parent; // nullptr: the window itself
    std::initializer_list<ControlGrowth> controls;
};

// Page 1's three lists share the extra width: the folder list least, the
// file list and the selection (long file names) alike.
constexpr qreal FolderShare = 0.2;
constexpr qreal FilesShare = 0.4;
constexpr qreal FilesEnd = FolderShare + FilesShare;
// Pages 2 and 3: the list on the left takes this share, the buttons beside it
// move with it, and the list on the right (the longer menu lines) the rest
// but a little, which widens the gap between the two for the check boxes'
// and buttons' texts.
constexpr qreal LeftListShare = 0.4;
constexpr qreal RightListStart = 0.5;
constexpr qreal RightListShare = 1 - RightListStart;
// Page 4: the destination folder list, then the file name, status and bar.
constexpr qreal DestinationShare = 0.4;
constexpr qreal OutputShare = 1 - DestinationShare;

// The arrows between two lists stay beside the list they point at and keep
// their spacing down its height.
constexpr Growth arrow(qreal moveX, int row)
{
    return {.moveX = moveX, .moveY = row / 4.0};
}

// Every control of the main window that moves or grows, by its parent, the
// window first. The lists take the room; buttons keep their size; texts take
// the room to their right neighbour.
const ParentGrowth MainWindowGrowth[] = {
    {nullptr,
     {
         {"grpStep1", {.growX = 1, .growY = 1}},
         {"grpStep2", {.growX = 1, .growY = 1}},
         {"grpStep3", {.growX = 1, .growY = 1}},
         {"grpStep4", {.growX = 1, .growY = 1}},
         {"btnCompilation", {.moveY = 1}},
         // The cartridge picture stretches between Compilation and About.
         {"cartridgeView", {.moveY = 1, .growX = 1}},
         {"btnAbout", {.moveX = 1, .moveY = 1}},
         {"btnPrevious", {.moveX = 1, .moveY = 1}},
         {"btnNext", {.moveX = 1, .moveY = 1}},
     }},
    {"grpStep1",
     {
         {"lblCurrentDir", {.width = Width::Room}},
         {"DirectoryListBox1", {.growX = FolderShare, .growY = 1}},
         {"DriveComboBox1", {.moveY = 1, .growX = FolderShare}},
         {"FileListBox1", {.moveX = FolderShare, .growX = FilesShare, .growY = 1}},
         {"FilterComboBox1", {.moveX = FolderShare, .moveY = 1, .growX = FilesShare}},
         {"btnSelectRoms", {.moveX = FilesEnd}},
         {"btnClear", {.moveX = FilesEnd}},
         {"lstNESRoms", {.moveX = FilesEnd, .growX = 1 - FilesEnd, .growY = 1}},
         {"lblTotalRoms", {.moveX = FilesEnd, .moveY = 1, .width = Width::Room}},
         {"lblTotalSize", {.moveX = FilesEnd, .moveY = 1, .width = Width::Room}},
     }},
    {"grpStep2",
     {
         {"Label4", {.width = Width::Room}},
         {"lstRomTitles", {.growX = LeftListShare, .growY = 1}},
         {"txtRomTitle", {.moveY = 1, .growX = LeftListShare}},
         {"btnChangeTitle", {.moveX = LeftListShare, .moveY = 1}},
         {"btnTidyTitles", {.moveX = LeftListShare, .moveY = 1}},
         {"chkNumbering", {.moveX = LeftListShare, .width = Width::OwnOrText}},
         {"chkSorted", {.moveX = LeftListShare, .width = Width::OwnOrText}},
         {"Label5", arrow(RightListStart, 0)},
         {"Label1", arrow(RightListStart, 1)},
         {"Label3", arrow(RightListStart, 2)},
         {"Label6", arrow(RightListStart, 3)},
         {"Label2", {.moveX = RightListStart, .width = Width::Room}},
         {"lstPreview", {.moveX = RightListStart, .growX = RightListShare, .growY = 1}},
     }},
    {"grpStep3",
     {
         {"Label7", {.width = Width::Room}},
         {"lstOptions", {.growX = LeftListShare, .growY = 1}},
         {"txtOption", {.moveY = 1, .growX = LeftListShare}},
         {"btnAddToMenuItem", {.moveX = LeftListShare}},
         {"btnRemoveOptions", {.moveX = LeftListShare}},
         {"btnAddSpriteNumber", {.moveX = LeftListShare}},
         {"btnNewOption", {.moveX = LeftListShare}},
         {"btnChangeOption", {.moveX = LeftListShare, .moveY = 1}},
         {"btnDeleteOption", {.moveX = LeftListShare, .moveY = 1}},
         {"Label11", arrow(RightListStart, 0)},
         {"Label8", arrow(RightListStart, 1)},
         {"Label10", arrow(RightListStart, 2)},
         {"Label12", arrow(RightListStart, 3)},
         {"Label9", {.moveX = RightListStart, .width = Width::Room}},
         {"lstTitleAndOptions", {.moveX = RightListStart, .growX = RightListShare, .growY = 1}},
     }},
    {"grpStep4",
     {
         {"Label15", {.width = Width::Room}},
         {"DirectoryListBox2", {.growX = DestinationShare, .growY = 1}},
         {"DriveComboBox2", {.moveY = 1, .growX = DestinationShare}},
         {"Label13", {.moveX = DestinationShare, .width = Width::Room}},
         {"txtGBARom", {.moveX = DestinationShare, .growX = OutputShare}},
         {"btnWrite", {.moveX = DestinationShare}},
         {"lblStatus", {.moveX = DestinationShare, .width = Width::Room}},
         {"lblReport", {.moveX = DestinationShare, .width = Width::Room}},
         {"btnReportDetails", {.moveX = 1}},
         {"ProgressBar1", {.moveX = DestinationShare, .moveY = 1, .growX = OutputShare}},
         {"lblProgress", {.moveX = 1, .moveY = 1, .width = Width::Room}},
     }},
};

} // namespace

void growWithWindow(QWidget* mainWindow)
{
    auto* form = new GrowingForm(mainWindow);
    for (const ParentGrowth& group : MainWindowGrowth) {
        QWidget* parent = group.parent
                              ? mainWindow->findChild<QWidget*>(QString::fromLatin1(group.parent),
                                                                Qt::FindDirectChildrenOnly)
                              : mainWindow;
        for (const ControlGrowth& control : group.controls) {
            auto* widget = parent->findChild<QWidget*>(QString::fromLatin1(control.name),
                                                       Qt::FindDirectChildrenOnly);
            Q_ASSERT_X(widget, "growWithWindow", control.name); // a control renamed here too
            if (widget)
                form->follow(widget, control.growth);
        }
    }
    form->relayout();
}

} // namespace wizard
