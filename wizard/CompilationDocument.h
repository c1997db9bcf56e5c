#pragma once

#include "builder/Compilation.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace wizard
{

// The compilation the window shows: the one value every page is a view of
// (builder::Compilation), and the signals by which the views follow it. Only
// the commands of the undo stack (CompilationCommands) change it; a view
// never holds a copy of what it holds.
//
// Each change is told twice, before and after, as item models need: a view
// adapter (CompilationModels) begins its change at the first and ends it at
// the second.
class CompilationDocument : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const builder::Compilation& compilation() const { return m_compilation; }
    const QString& romsDirectory() const { return m_compilation.romsDirectory(); }

    // Another compilation as a whole (opening one, undo, redo).
    void replace(const builder::Compilation& compilation);

    // The edits, each told as narrowly as views can follow it.
    // Adds the named roms after the others; those selected already stay as
    // they are. Returns the names added.
    QStringList addRoms(const QStringList& fileNames);
    // Takes out the rom at this place of the selection.
    void removeRom(qsizetype index);
    // Any other edit of the value: its views show all of it anew.
    void edit(const std::function<void(builder::Compilation&)>& change);
    // An edit of the menu entry at a menu position only (its title, its fields).
    void editMenuEntry(qsizetype position,
                       const std::function<void(builder::Compilation&)>& change);

signals:
    void aboutToReplace();
    void replaced();
    void romsAboutToBeAdded(qsizetype count);
    void romsAdded();
    void romAboutToBeRemoved(qsizetype index, qsizetype menuPosition);
    void romRemoved(const QString& fileName);
    void menuEntryChanged(qsizetype position);
    // After any change: what the compilation holds now.
    void changed();

private:
    builder::Compilation m_compilation;
};

} // namespace wizard
