#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QToolButton;
class QUndoStack;
class QWidget;

namespace wizard
{

// Opening and saving compilation files, and undoing and redoing, from every
// page of the wizard: a "Compilation" button below the pages with its menu
// (open, save, save as, undo, redo, the compilations opened last), and
// Ctrl+O, Ctrl+S, Ctrl+Shift+S and the system's undo and redo keys anywhere in
// the window. It tells the window what was chosen; the window opens and saves.
class CompilationMenu : public QObject
{
    Q_OBJECT

public:
    // What the menu asks of the window: the compilation file shown (none:
    // empty), the rom folder (where the file dialogs start without one), and
    // whether the compilation shown may be set aside (its changes saved or
    // given up).
    struct Window {
        std::function<QString()> compilationPath;
        std::function<QString()> romsDirectory;
        std::function<bool()> maySetCompilationAside;
    };
    CompilationMenu(QWidget* window, Window asks, QUndoStack& undoStack);

    // The compilations opened or saved last, the latest first.
    void showRecent(const QStringList& paths);

signals:
    // The compilation file to open, or to save the compilation into.
    void openRequested(const QString& path);
    void saveRequested(const QString& path);

private:
    void openChosen();
    void save();
    void saveAs();
    void open(const QString& path);
    // Where the file dialogs start: the compilation shown, else the rom folder.
    QString startFolder() const;

    QWidget* m_window;
    Window m_asks;
    QToolButton* m_button;
    QMenu* m_menu;
    QAction* m_recentSeparator;
    QList<QAction*> m_recent;
};

} // namespace wizard
