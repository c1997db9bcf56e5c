#include "SettingsFile.h"

#include "FileError.h"
#include "FileReplacement.h"
#include "IniEdit.h"
#include "IniText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <utility>

namespace
{

enum class FileState { Missing, Read, Unreadable };

FileState readFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? FileState::Unreadable : FileState::Missing;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? FileState::Read : FileState::Unreadable;
}

// Reading never fails: a file that cannot be read serves as an empty one.
QByteArray contentsOrNothing(const QString& path)
{
    QByteArray bytes;
    if (readFile(path, bytes) != FileState::Read)
        return QByteArray();
    return bytes;
}

// Walks the section's key listing, handing each listed name with the value a
// read of that name serves (the first occurrence's; empty when a cut name
// names no key) to `visit`, until it returns false, so a lookup that matches
// early does no more work.
template <typename Visit>
void walkListing(const ini::IniText& text, QByteArrayView section, Visit visit)
{
    const std::optional<ini::Span> span = text.findSection(section);
    if (!span)
        return;
    // A whole name occurs first at its own line or at one walked before it.
    QHash<QByteArray, QByteArrayView> firstValues;
    for (const ini::ListedKey& listed : ini::keyListing(text.keys(*span))) {
        QByteArrayView raw;
        if (listed.isCut()) {
            const qsizetype found = text.findKey(*span, listed.name);
            raw = found < 0 ? QByteArrayView() : text.lines()[found].value;
        } else {
            QByteArray folded = ini::foldedName(listed.name);
            auto first = firstValues.constFind(folded);
            if (first == firstValues.cend())
                first = firstValues.insert(std::move(folded), listed.key->value);
            raw = first.value();
        }
        if (!visit(listed.name, ini::servedValue(raw)))
            return;
    }
}

} // namespace

SettingsFile::SettingsFile(QString path, Replacement replacement)
    : m_path(std::move(path)), m_replacement(std::move(replacement))
{
    if (!m_replacement)
        m_replacement = &platform::startReplacing;
}

// The new text goes to a new file beside the old one, which takes its place
// only once every byte is written and synced, so a failed or interrupted
// write leaves the old file whole.
bool SettingsFile::replaceFile(const QByteArray& bytes) const
{
    try {
        const std::unique_ptr<FileReplacement> file = m_replacement(m_path);
        file->write(bytes.constData(), bytes.size());
        file->commit();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

QByteArray SettingsFile::ReadValue(const QByteArray& section, const QByteArray& key,
                                   const QByteArray& defaultValue) const
{
    const QByteArray bytes = contentsOrNothing(m_path);
    const ini::IniText text(bytes);
    if (const std::optional<ini::Span> span = text.findSection(ini::lookupName(section))) {
        const qsizetype found = text.findKey(*span, ini::lookupName(key));
        if (found >= 0 && !text.lines()[found].nameOnly)
            return ini::servedValue(text.lines()[found].value);
    }
    qsizetype length = defaultValue.size();
    while (length > 0 && defaultValue[length - 1] == ' ')
        --length;
    return defaultValue.first(qMin(length, ini::maxValueLength));
}

void SettingsFile::WriteValue(const QByteArray& section, const QByteArray& key,
                              const QByteArray& value)
{
    const QString failure = QStringLiteral("Unable to write to ") + m_path;
    QByteArray bytes;
    // A file that exists but cannot be read must not be replaced by a new one.
    if (readFile(m_path, bytes) == FileState::Unreadable)
        throw FileError(failure);
    const QByteArray updated = ini::withValue(bytes, ini::lookupName(section), ini::lookupName(key),
                                              ini::firstLine(value));
    if (!replaceFile(updated))
        throw FileError(failure);
}

QList<QByteArray> SettingsFile::ListKeys(const QByteArray& section) const
{
    const QByteArray bytes = contentsOrNothing(m_path);
    const ini::IniText text(bytes);
    const std::optional<ini::Span> span = text.findSection(ini::lookupName(section));
    if (!span)
        return {};
    QList<QByteArray> names;
    for (const ini::ListedKey& listed : ini::keyListing(text.keys(*span)))
        names.append(listed.name.toByteArray());
    return names;
}

QList<SettingsFile::Pair> SettingsFile::ListPairs(const QByteArray& section) const
{
    const QByteArray bytes = contentsOrNothing(m_path);
    const ini::IniText text(bytes);
    QList<Pair> pairs;
    QSet<QByteArray> seen;
    walkListing(text, ini::lookupName(section), [&](QByteArrayView name, QByteArray value) {
        QByteArray folded = ini::foldedName(name);
        if (!seen.contains(folded)) {
            seen.insert(std::move(folded));
            if (!value.isEmpty())
                pairs.append({name.toByteArray(), std::move(value)});
        }
        return true;
    });
    return pairs;
}

void SettingsFile::DeleteValue(const QByteArray& section, const QByteArray& key)
{
    QByteArray bytes;
    if (readFile(m_path, bytes) != FileState::Read)
        return;
    const std::optional<QByteArray> updated =
        ini::withoutKey(bytes, ini::lookupName(section), ini::lookupName(key));
    if (updated)
        replaceFile(*updated);
}

QByteArray SettingsFile::FileNameForTitle(const QByteArray& title) const
{
    // The walk goes over the key listing of Titles with its byte limit, so
    // entries beyond it are not found: a stored file keeps mapping titles
    // exactly as it always has.
    const QByteArray bytes = contentsOrNothing(m_path);
    const ini::IniText text(bytes);
    QByteArray fileName = title;
    walkListing(text, "Titles", [&](QByteArrayView name, const QByteArray& value) {
        if (value != title)
            return true;
        fileName = name.toByteArray();
        return false;
    });
    return fileName;
}
