#pragma once

#include "settings/ProgramSettings.h"

#include <QObject>

#include <functional>

class QLineEdit;
class QPushButton;
class QUndoStack;
class QWidget;
class TfrmAddSpriteNumber;
class TfrmNewOption;

namespace wizard
{

class CompilationDocument;
class ListView;
class MenuModel;
class OptionsModel;

// Page 3, the options: the user's options (a model of the settings file's
// Options section) and the menu lines (a view of the compilation), with the
// two dialogs that add an option and a sprite value. Each edit is a command
// on the undo stack.
class OptionsPage : public QObject
{
    Q_OBJECT

public:
    struct Controls {
        ListView* lstOptions;
        QLineEdit* txtOption;
        QPushButton* btnAddToMenuItem;
        QPushButton* btnRemoveOptions;
        QPushButton* btnAddSpriteNumber;
        QPushButton* btnNewOption;
        QPushButton* btnChangeOption;
        QPushButton* btnDeleteOption;
        ListView* lstTitleAndOptions;
    };
    using Settings = std::function<settings::SettingsFile*()>;

    OptionsPage(QWidget* window, const Controls& controls, CompilationDocument& document,
                QUndoStack& undoStack, Settings settings);

    // The two dialogs of the page, made at start.
    void setDialogs(TfrmNewOption* newOption, TfrmAddSpriteNumber* addSpriteNumber);

    // Entered from the titles: the options as stored, the first menu line selected.
    void enter();

    void lstOptionsClick();
    void btnAddToMenuItemClick();
    void btnRemoveOptionsClick();
    void btnAddSpriteNumberClick();
    void btnNewOptionClick();
    void btnChangeOptionClick();
    void btnDeleteOptionClick();
    // The dialogs' "Add".
    void addOption(const QString& description);
    void applySpriteValueToSelectedLine(const QString& spriteValue);

private:
    // Pushes an edit of the options: the list as it is to be.
    void changeOptions(const QString& text, const QList<settings::StoredOption>& after);
    int selectedLine() const;

    QWidget* m_window;
    Controls m_ui;
    CompilationDocument& m_document;
    QUndoStack& m_undoStack;
    Settings m_settings;
    OptionsModel* m_options;
    MenuModel* m_lines;
    TfrmNewOption* m_newOption = nullptr;
    TfrmAddSpriteNumber* m_addSpriteNumber = nullptr;
};

} // namespace wizard
