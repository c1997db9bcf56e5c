#include "wizard/CompilationDocument.h"

#include <QSet>

namespace wizard
{

void CompilationDocument::replace(const builder::Compilation& compilation)
{
    emit aboutToReplace();
    m_compilation = compilation;
    emit replaced();
    emit changed();
}

QStringList CompilationDocument::addRoms(const QStringList& fileNames)
{
    QStringList added;
    QSet<QString> seen;
    for (const QString& name : fileNames) {
        if (!m_compilation.contains(name) && !seen.contains(name)) {
            seen.insert(name);
            added << name;
        }
    }
    if (added.isEmpty())
        return added;
    emit romsAboutToBeAdded(added.size());
    m_compilation.addRoms(added);
    emit romsAdded();
    emit changed();
    return added;
}

void CompilationDocument::removeRom(qsizetype index)
{
    const QString name = m_compilation.roms().at(index).fileName;
    emit romAboutToBeRemoved(index, m_compilation.menuPositionOf(index));
    m_compilation.removeRom(name);
    emit romRemoved(name);
    emit changed();
}

void CompilationDocument::edit(const std::function<void(builder::Compilation&)>& change)
{
    builder::Compilation changed = m_compilation;
    change(changed);
    replace(changed);
}

void CompilationDocument::editMenuEntry(qsizetype position,
                                        const std::function<void(builder::Compilation&)>& change)
{
    change(m_compilation);
    emit menuEntryChanged(position);
    emit changed();
}

} // namespace wizard
