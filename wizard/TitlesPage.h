#pragma once

#include <QObject>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QUndoStack;
class QWidget;

namespace settings
{
class SettingsFile;
} // namespace settings

namespace wizard
{

class CompilationDocument;
class ListView;
class MenuModel;

// Page 2, the titles: the menu's titles and its preview (views of the
// compilation), the title field, numbering, sorting and tidying. Each edit
// is a command on the undo stack; a title stored in the settings file is
// stored back as it was when its change is undone.
class TitlesPage : public QObject
{
    Q_OBJECT

public:
    struct Controls {
        ListView* lstRomTitles;
        QLineEdit* txtRomTitle;
        QPushButton* btnChangeTitle;
        QPushButton* btnTidyTitles;
        QCheckBox* chkNumbering;
        QCheckBox* chkSorted;
        ListView* lstPreview;
    };
    using Settings = std::function<settings::SettingsFile*()>;

    TitlesPage(QWidget* window, const Controls& controls, CompilationDocument& document,
               QUndoStack& undoStack, Settings settings);

    // Entered from the rom selection: each rom new to the selection takes its
    // stored title, the menu is arranged anew, and the first title is selected.
    void enter();

    void lstRomTitlesClick();
    void btnChangeTitleClick();
    void chkSortedClick();
    void chkNumberingClick();
    void btnTidyTitlesClick();

private:
    // The controls as the compilation has them, the rom shown before still
    // selected where it stays.
    void showCompilation();
    void select(int position);

    QWidget* m_window;
    Controls m_ui;
    CompilationDocument& m_document;
    QUndoStack& m_undoStack;
    Settings m_settings;
    MenuModel* m_titles;
    MenuModel* m_preview;
    QString m_selectedRom; // the file of the title selected, to keep it selected
};

} // namespace wizard
