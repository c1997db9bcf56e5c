#include "wizard/CompilationMenu.h"

#include "builder/CompilationFile.h"
#include "platform/Paths.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/PlainText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>
#include <QUndoStack>

namespace wizard
{

namespace
{

QString fileFilter()
{
    return CompilationMenu::tr("Romweaver compilations (*.%1)")
        .arg(QLatin1String(builder::CompilationExtension));
}

} // namespace

CompilationMenu::CompilationMenu(QWidget* window, Window asks, QUndoStack& undoStack)
    : QObject(window), m_window(window), m_asks(std::move(asks)), m_button(new QToolButton(window)),
      m_menu(new QMenu(window))
{
    // Below the pages, left of the shell's buttons, where no page has a control.
    m_button->setObjectName(QStringLiteral("btnCompilation"));
    m_button->setText(tr("Compilation"));
    m_button->setGeometry(16, 224, 100, 25);
    // In the Tab order where it stands: after the pages, before About.
    QWidget* previous = nullptr;
    for (const char* name : {"btnWrite", "btnCompilation", "btnAbout", "btnPrevious", "btnNext"}) {
        QWidget* next = window->findChild<QWidget*>(QString::fromLatin1(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    m_button->setPopupMode(QToolButton::InstantPopup);
    m_button->setMenu(m_menu);
    m_button->setAccessibleName(tr("Compilation"));
    m_button->setToolTip(
        tr("Open or save a compilation (%1, %2)")
            .arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText),
                 QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));

    const auto addAction = [this](const QString& text, const QKeySequence& keys, auto slot) {
        QAction* action = m_menu->addAction(text);
        action->setShortcut(keys);
        // The keys work on every page, whatever control has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        m_window->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, slot] { RunGuarded(m_window, [&] { (this->*slot)(); }); });
        return action;
    };
    addAction(tr("Open compilation…"), QKeySequence(Qt::CTRL | Qt::Key_O),
              &CompilationMenu::openChosen);
    addAction(tr("Save compilation…"), QKeySequence(Qt::CTRL | Qt::Key_S), &CompilationMenu::save);
    addAction(tr("Save compilation as…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
              &CompilationMenu::saveAs);
    // "Undo <what>" and "Redo <what>", with the system's keys: Ctrl+Z, and
    // Ctrl+Shift+Z or Ctrl+Y. A text field with the focus keeps its own.
    m_menu->addSeparator();
    QAction* undo = undoStack.createUndoAction(m_menu);
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = undoStack.createRedoAction(m_menu);
    redo->setShortcuts(QKeySequence::Redo);
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_menu->addAction(action);
        m_window->addAction(action);
    }
    m_recentSeparator = m_menu->addSeparator();
    m_recentSeparator->setVisible(false);
}

void CompilationMenu::showRecent(const QStringList& paths)
{
    qDeleteAll(m_recent);
    m_recent.clear();
    for (const QString& path : paths) {
        // "&1 name" lets the keyboard pick one by its number.
        QAction* action = m_menu->addAction(QStringLiteral("&%1 %2")
                                                .arg(m_recent.size() + 1)
                                                .arg(plainCaption(QFileInfo(path).fileName())));
        action->setToolTip(plainToolTip(path));
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this,
                [this, path] { RunGuarded(m_window, [&] { open(path); }); });
        m_recent.append(action);
    }
    m_menu->setToolTipsVisible(true);
    m_recentSeparator->setVisible(!m_recent.isEmpty());
}

QString CompilationMenu::startFolder() const
{
    const QString path = m_asks.compilationPath();
    return path.isEmpty() ? m_asks.romsDirectory() : QFileInfo(path).absolutePath();
}

void CompilationMenu::openChosen()
{
    if (!m_asks.maySetCompilationAside())
        return;
    const QString path =
        QFileDialog::getOpenFileName(m_window, tr("Open compilation"), startFolder(), fileFilter());
    if (!path.isEmpty())
        emit openRequested(QDir::toNativeSeparators(path));
}

void CompilationMenu::open(const QString& path)
{
    if (m_asks.maySetCompilationAside())
        emit openRequested(path);
}

void CompilationMenu::save()
{
    const QString path = m_asks.compilationPath();
    if (path.isEmpty())
        saveAs();
    else
        emit saveRequested(path);
}

void CompilationMenu::saveAs()
{
    QFileDialog dialog(m_window, tr("Save compilation"), startFolder(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(builder::CompilationExtension));
    if (const QString path = m_asks.compilationPath(); !path.isEmpty())
        dialog.selectFile(path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    emit saveRequested(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

} // namespace wizard
