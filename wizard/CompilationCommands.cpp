#include "wizard/CompilationCommands.h"

#include "wizard/CompilationDocument.h"
#include "wizard/OptionsModel.h"

#include <QUndoStack>

namespace wizard
{

CompilationEdit::CompilationEdit(CompilationDocument& document, const QString& text, Edit edit,
                                 int mergeId)
    : QUndoCommand(text), m_document(document), m_edit(std::move(edit)), m_mergeId(mergeId)
{
}

bool CompilationEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const CompilationEdit*>(other);
    m_after = next->m_after;
    setObsolete(*m_after == *m_before);
    return true;
}

void CompilationEdit::redo()
{
    if (m_after) {
        m_document.replace(*m_after);
        return;
    }
    m_before = m_document.compilation();
    m_edit(m_document);
    m_after = m_document.compilation();
    // An edit that changed nothing leaves nothing to undo.
    setObsolete(*m_after == *m_before);
}

void CompilationEdit::undo()
{
    m_document.replace(*m_before);
}

TitlesEdit::TitlesEdit(CompilationDocument& document, settings::SettingsFile& settings,
                       const QString& text, const QHash<QString, QString>& titles, Edit edit)
    : CompilationEdit(document, text, std::move(edit)), m_settings(settings), m_titles(titles)
{
}

void TitlesEdit::redo()
{
    if (m_stored.isEmpty()) {
        for (auto title = m_titles.cbegin(); title != m_titles.cend(); ++title)
            m_stored.insert(title.key(), settings::titleAsStored(m_settings, title.key()));
    }
    // The file first: a write that fails leaves the compilation as it was.
    for (auto title = m_titles.cbegin(); title != m_titles.cend(); ++title)
        settings::storeTitle(m_settings, title.key(), title.value());
    CompilationEdit::redo();
}

void TitlesEdit::undo()
{
    for (auto stored = m_stored.cbegin(); stored != m_stored.cend(); ++stored)
        settings::restoreTitle(m_settings, stored.key(), stored.value());
    CompilationEdit::undo();
}

OptionsEdit::OptionsEdit(OptionsModel& options, settings::SettingsFile& settings,
                         const QString& text, const QList<settings::StoredOption>& after)
    : QUndoCommand(text), m_options(options), m_settings(settings), m_before(options.options()),
      m_after(after)
{
}

void OptionsEdit::redo()
{
    show(m_after);
}

void OptionsEdit::undo()
{
    show(m_before);
}

void OptionsEdit::show(const QList<settings::StoredOption>& options)
{
    settings::restoreOptions(m_settings, options);
    m_options.setOptions(options);
}

void perform(QUndoStack& stack, std::unique_ptr<QUndoCommand> command)
{
    // The stack takes the command only once it was done.
    stack.push(command.get());
    command.release();
}

} // namespace wizard
