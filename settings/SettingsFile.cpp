#include "settings/SettingsFile.h"

#include "platform/FileError.h"
#include "platform/FileReplacement.h"
#include "platform/FileStamp.h"
#include "platform/LockFile.h"
#include "settings/IniEdit.h"
#include "settings/IniText.h"
#include "settings/SettingsWriteError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <utility>

namespace settings
{

namespace
{

enum class FileState { Missing, Read, Unreadable };

// why receives the system's reason when the file is Unreadable.
FileState readFile(const QString& path, QByteArray& bytes, QString* why = nullptr)
{
    QFile file(path);
    const auto unreadable = [&file, why] {
        if (why)
            *why = file.errorString();
        return FileState::Unreadable;
    };
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? unreadable() : FileState::Missing;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? FileState::Read : unreadable();
}

} // namespace

// One reading of the file, parsed, and what the file's stamp was meanwhile.
// Reading a file of thousands of titles once per rom would parse it once per
// rom; a kept reading answers them all, and finds keys through an index.
struct SettingsFile::Reading {
    explicit Reading(QByteArray contents) : bytes(std::move(contents)), text(bytes) {}

    // The line of the first key of that name in the first section of that
    // name, as IniText finds it, or nullptr.
    const ini::Line* findKey(QByteArrayView section, QByteArrayView key) const
    {
        QByteArray foldedSection = ini::foldedName(section);
        auto found = sections.constFind(foldedSection);
        if (found == sections.cend()) {
            SectionIndex index;
            if (const std::optional<ini::Span> span = text.findSection(section)) {
                index.exists = true;
                for (qsizetype i = span->header + 1; i < span->end; ++i) {
                    const ini::Line& line = text.lines()[i];
                    if (line.kind != ini::Line::Kind::Key)
                        continue;
                    QByteArray folded = ini::foldedName(line.name);
                    if (!index.keys.contains(folded))
                        index.keys.insert(std::move(folded), i);
                }
            }
            found = sections.insert(std::move(foldedSection), std::move(index));
        }
        if (!found->exists)
            return nullptr;
        const auto line = found->keys.constFind(ini::foldedName(key));
        return line == found->keys.cend() ? nullptr : &text.lines()[*line];
    }

    const QByteArray bytes;
    const ini::IniText text; // refers into bytes
    std::optional<platform::FileStamp> stamp;

private:
    struct SectionIndex {
        bool exists = false;
        QHash<QByteArray, qsizetype> keys; // folded name: line of its first key
    };
    mutable QHash<QByteArray, SectionIndex> sections; // by folded name, made on first use
};

// Walks the section's key listing, handing each listed name with the value a
// read of that name serves (from the first line of that name, as ReadValue
// finds it: empty when that line holds no "=" or when a cut name names no
// key) to `visit`, until it returns false, so a lookup that matches early does
// no more work.
template <typename Visit>
void SettingsFile::walkListing(const Reading& reading, QByteArrayView section, Visit visit)
{
    const std::optional<ini::Span> span = reading.text.findSection(section);
    if (!span)
        return;
    for (const ini::ListedKey& listed : ini::keyListing(reading.text.keys(*span))) {
        const ini::Line* first = reading.findKey(section, listed.name);
        const QByteArray value =
            first && !first->nameOnly ? ini::servedValue(first->value) : QByteArray();
        if (!visit(listed.name, value))
            return;
    }
}

std::shared_ptr<const SettingsFile::Reading> SettingsFile::reading() const
{
    // The stamp can miss a change that keeps the size and lands within the
    // file system's time resolution of the reading; the store writes by
    // replacing the file, which gives it a new identity.
    // A kept reading without a stamp is that of a missing file (no settings
    // yet): it serves for as long as there is still no file.
    const std::optional<platform::FileStamp> before = platform::fileStamp(m_path);
    if (m_reading && m_reading->stamp == before)
        return m_reading;
    m_reading.reset();
    // Reading never fails: a file that cannot be read serves as an empty one.
    QByteArray bytes;
    const FileState state = readFile(m_path, bytes);
    auto fresh = std::make_shared<Reading>(state == FileState::Read ? bytes : QByteArray());
    if (state == FileState::Read && before && platform::fileStamp(m_path) == before) {
        fresh->stamp = before;
        m_reading = fresh;
    } else if (state == FileState::Missing && !before) {
        m_reading = fresh;
    }
    return fresh;
}

SettingsFile::SettingsFile(QString path, Replacement replacement)
    : m_path(std::move(path)), m_replacement(std::move(replacement))
{
    if (!m_replacement)
        m_replacement = [](const QString& path) { return platform::startReplacing(path); };
}

void SettingsFile::changeFile(
    const std::function<std::optional<QByteArray>(const QByteArray&)>& change)
{
    m_reading.reset();
    try {
        // Another window or process may write the file too: the change is made
        // to the file as it is once the lock is held, so no write is lost.
        platform::LockFile lock(m_path);
        if (!lock.tryLock(LockWait))
            throw SettingsWriteError(m_path, QString(), true, platform::FileFailure::InUse);
        if (!m_leftoversRemoved) {
            platform::removeLeftoverReplacements(m_path);
            m_leftoversRemoved = true;
        }
        QByteArray bytes;
        QString why;
        const FileState state = readFile(m_path, bytes, &why);
        // A file that exists but cannot be read must not be replaced by a new one.
        if (state == FileState::Unreadable)
            throw SettingsWriteError(m_path, why);
        const std::optional<QByteArray> changed = change(bytes);
        if (!changed)
            return; // nothing to change
        // The new text goes to a new file beside the old one, which takes its
        // place only once every byte is written and synced, so a failed or
        // interrupted write leaves the old file whole.
        const std::unique_ptr<platform::FileReplacement> file = m_replacement(m_path);
        file->write(changed->constData(), changed->size());
        file->commit();
    } catch (const SettingsWriteError&) {
        throw;
    } catch (const platform::FileError& error) {
        throw SettingsWriteError(m_path, error.cause(), false, error.failure());
    }
}

QByteArray SettingsFile::ReadValue(const QByteArray& section, const QByteArray& key,
                                   const QByteArray& defaultValue) const
{
    const ini::Line* found = reading()->findKey(ini::lookupName(section), ini::lookupName(key));
    if (found && !found->nameOnly)
        return ini::servedValue(found->value);
    qsizetype length = defaultValue.size();
    while (length > 0 && defaultValue[length - 1] == ' ')
        --length;
    return defaultValue.first(qMin(length, ini::maxValueLength));
}

void SettingsFile::WriteValue(const QByteArray& section, const QByteArray& key,
                              const QByteArray& value)
{
    changeFile([&](const QByteArray& bytes) -> std::optional<QByteArray> {
        return ini::withValue(bytes, ini::lookupName(section), ini::lookupName(key),
                              ini::firstLine(value));
    });
}

QList<QByteArray> SettingsFile::ListKeys(const QByteArray& section) const
{
    const auto current = reading();
    const ini::IniText& text = current->text;
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
    const auto current = reading();
    QList<Pair> pairs;
    QSet<QByteArray> seen;
    walkListing(*current, ini::lookupName(section), [&](QByteArrayView name, QByteArray value) {
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
    try {
        changeFile([&](const QByteArray& bytes) {
            return ini::withoutKey(bytes, ini::lookupName(section), ini::lookupName(key));
        });
    } catch (const SettingsWriteError&) {
        // ignored: the file stays whole
    }
}

QByteArray SettingsFile::FileNameForTitle(const QByteArray& title) const
{
    // The walk goes over the key listing of Titles with its byte limit, so
    // entries beyond it are not found: a stored file keeps mapping titles
    // exactly as it always has.
    const auto current = reading();
    QByteArray fileName = title;
    walkListing(*current, "Titles", [&](QByteArrayView name, const QByteArray& value) {
        if (value != title)
            return true;
        fileName = name.toByteArray();
        return false;
    });
    return fileName;
}

} // namespace settings
