#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QToolButton;
class TfrmRomweaver;

namespace wizard
{

// Opening and saving compilation files from every page of the wizard: a
// "Compilation" button below the pages with its menu (open, save, save as,
// the compilations opened last), and Ctrl+O, Ctrl+S and Ctrl+Shift+S
// anywhere in the window. The window does the opening and saving.
class CompilationMenu : public QObject
{
    Q_OBJECT

public:
    explicit CompilationMenu(TfrmRomweaver* window);

    // The compilations opened or saved last, the latest first.
    void showRecent(const QStringList& paths);

private:
    void openChosen();
    void save();
    void saveAs();
    void open(const QString& path);
    // Where the file dialogs start: the compilation shown, else the rom folder.
    QString startFolder() const;

    TfrmRomweaver* m_window;
    QToolButton* m_button;
    QMenu* m_menu;
    QAction* m_recentSeparator;
    QList<QAction*> m_recent;
};

} // namespace wizard
