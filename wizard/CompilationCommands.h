#pragma once

#include "builder/Compilation.h"
#include "settings/ProgramSettings.h"

#include <QHash>
#include <QUndoCommand>

#include <functional>
#include <memory>
#include <optional>

class QUndoStack;

namespace settings
{
class SettingsFile;
} // namespace settings

namespace wizard
{

class CompilationDocument;
class OptionsModel;

// The edits of pages 1 to 4 as commands on the undo stack. An edit is done
// once, as narrowly as the views can follow it, and then undone and redone by
// putting back the whole compilation as it was before and after: so undo
// gives back exactly the compilation before (builder::Compilation's ==).

class CompilationEdit : public QUndoCommand
{
public:
    using Edit = std::function<void(CompilationDocument& document)>;
    // mergeId: edits of the same id in a row (the letters of a name typed)
    // are one step to undo; -1 for none.
    CompilationEdit(CompilationDocument& document, const QString& text, Edit edit,
                    int mergeId = -1);

    void redo() override;
    void undo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

protected:
    CompilationDocument& m_document;

private:
    Edit m_edit;
    int m_mergeId;
    std::optional<builder::Compilation> m_before;
    std::optional<builder::Compilation> m_after;
};

// An edit that also stores titles in the settings file (a title changed, the
// titles tidied): undone, each rom's stored title is what it was before, or
// no entry where it had none, so the file follows the compilation.
class TitlesEdit : public CompilationEdit
{
public:
    // titles: the titles stored by the edit, by rom file name.
    TitlesEdit(CompilationDocument& document, settings::SettingsFile& settings, const QString& text,
               const QHash<QString, QString>& titles, Edit edit);

    void redo() override;
    void undo() override;

private:
    settings::SettingsFile& m_settings;
    QHash<QString, QString> m_titles;
    QHash<QString, std::optional<QString>> m_stored; // before the first redo
};

// An edit of the user's options (added, changed, deleted): the settings
// file's Options and the option list, put back whole on undo.
class OptionsEdit : public QUndoCommand
{
public:
    OptionsEdit(OptionsModel& options, settings::SettingsFile& settings, const QString& text,
                const QList<settings::StoredOption>& after);

    void redo() override;
    void undo() override;

private:
    void show(const QList<settings::StoredOption>& options);

    OptionsModel& m_options;
    settings::SettingsFile& m_settings;
    QList<settings::StoredOption> m_before;
    QList<settings::StoredOption> m_after;
};

// Pushes the command onto the stack, which does it; a command whose doing
// failed (a settings file that could not be written) is not kept, and its
// error goes on to the caller.
void perform(QUndoStack& stack, std::unique_ptr<QUndoCommand> command);

} // namespace wizard
