#include "builder/Compilation.h"

#include "builder/MenuScript.h"
#include "builder/MenuTitles.h"
#include "platform/Paths.h"

namespace builder
{

namespace
{

const QChar FieldSeparator = QLatin1Char('|');

} // namespace

void Compilation::setRomsDirectory(const QString& directory)
{
    m_romsDirectory = directory;
    clearRoms();
}

bool Compilation::addRom(const QString& fileName)
{
    return addRom(CompilationRom{fileName, QString(), {}, std::nullopt});
}

QStringList Compilation::addRoms(const QStringList& fileNames)
{
    QStringList added;
    for (const QString& name : fileNames) {
        if (addRom(name))
            added << name;
    }
    return added;
}

bool Compilation::addRom(const CompilationRom& rom)
{
    if (contains(rom.fileName))
        return false;
    m_index.insert(rom.fileName, m_roms.size());
    m_menu.append(m_roms.size());
    m_roms.append(rom);
    return true;
}

bool Compilation::removeRom(const QString& fileName)
{
    const qsizetype index = indexOf(fileName);
    if (index < 0)
        return false;
    m_roms.removeAt(index);
    m_index.remove(fileName);
    for (qsizetype& position : m_index)
        if (position > index)
            --position;
    m_menu.removeOne(index);
    for (qsizetype& position : m_menu)
        if (position > index)
            --position;
    return true;
}

void Compilation::clearRoms()
{
    m_roms.clear();
    m_menu.clear();
    m_index.clear();
}

void Compilation::arrangeMenu()
{
    m_menu.clear();
    for (qsizetype i = 0; i < m_roms.size(); ++i)
        m_menu.append(i);
    if (m_sorted)
        setSorted(true);
}

QStringList Compilation::menuFileNames() const
{
    QStringList names;
    for (const qsizetype index : m_menu)
        names << m_roms.at(index).fileName;
    return names;
}

QStringList Compilation::menuTitles() const
{
    QStringList titles;
    for (const qsizetype index : m_menu)
        titles << m_roms.at(index).menuTitle();
    return titles;
}

void Compilation::setMenuTitle(qsizetype position, const QString& title)
{
    m_roms[m_menu.at(position)].title = title;
}

void Compilation::setMenuFields(qsizetype position, const QStringList& fields)
{
    m_roms[m_menu.at(position)].menuFields = fields;
}

void Compilation::setSorted(bool sorted)
{
    m_sorted = sorted;
    if (!sorted)
        return;
    const QList<qsizetype> order = sortedOrder(menuTitles());
    QList<qsizetype> menu;
    menu.reserve(m_menu.size());
    for (const qsizetype position : order)
        menu.append(m_menu.at(position));
    m_menu = menu;
}

QStringList Compilation::previewLines() const
{
    return menuLinesForTitles(menuTitles(), m_numbered);
}

QStringList Compilation::menuLines() const
{
    QStringList lines = previewLines();
    for (qsizetype position = 0; position < lines.size(); ++position)
        for (const QString& field : menuRom(position).menuFields)
            lines[position] += FieldSeparator + field;
    return lines;
}

QString Compilation::previewLine(qsizetype position) const
{
    return menuLineForTitle(menuRom(position).menuTitle(), position, menuSize(), m_numbered);
}

QString Compilation::menuLine(qsizetype position) const
{
    QString line = previewLine(position);
    for (const QString& field : menuRom(position).menuFields)
        line += FieldSeparator + field;
    return line;
}

void Compilation::setMenuLine(qsizetype position, const QString& line)
{
    const QString preview = previewLine(position);
    QStringList& fields = m_roms[m_menu.at(position)].menuFields;
    // The edits add "|" and a field, or cut after a "|": what follows the
    // preview line is "|" and the fields, or nothing.
    const QString rest = line.mid(preview.size());
    fields = rest.isEmpty() ? QStringList() : rest.mid(1).split(FieldSeparator);
}

void Compilation::applyOptionFlags(qsizetype position, qint32 flagSum)
{
    setMenuLine(position,
                ApplyOptionFlags(menuLine(position), previewLine(position), flagSum));
}

void Compilation::applySpriteValue(qsizetype position, const QString& spriteValue)
{
    const QString line = ApplySpriteValue(menuLine(position), spriteValue);
    if (line.startsWith(previewLine(position))) {
        setMenuLine(position, line);
        return;
    }
    // A title that itself holds two "|" would be cut after its second one;
    // the title stays whole, and the value takes the sprite field.
    QStringList& fields = m_roms[m_menu.at(position)].menuFields;
    if (fields.size() < 2)
        fields.append(spriteValue);
    else
        fields[1] = spriteValue;
}

void Compilation::removeOptions(qsizetype position)
{
    setMenuLine(position, ResetMenuLine(previewLine(position)));
}

QString Compilation::outputPath() const
{
    return platform::joinPath(outputDirectory, outputName);
}

BuildRequest Compilation::buildRequest(const platform::ProgramFiles& files) const
{
    return buildRequest(files, outputPath());
}

BuildRequest Compilation::buildRequest(const platform::ProgramFiles& files,
                                       const QString& outputPath) const
{
    BuildRequest request;
    request.outputPath = outputPath;
    request.files = files;
    request.romsDirectory = m_romsDirectory;
    request.romFileNames = menuFileNames();
    request.selectedRomCount = int(m_roms.size());
    request.menuLines = menuLines();
    return request;
}

} // namespace builder
