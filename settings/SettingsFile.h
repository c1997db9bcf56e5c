#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <QByteArrayView>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace platform
{
class FileReplacement;
} // namespace platform

namespace settings
{

// The settings store over the settings file, in the private-profile (INI) format the
// Windows profile services read and write, so a file moves between them and
// this store in both directions. Names and values are single-byte strings whose
// bytes are kept as they are. Every call sees the file as it is on disk, so
// what one page writes is what the next one reads: reads are answered from the
// last reading of the file only while the file still has the identity, size
// and times it had when it was read, and every write drops that reading.
// Writes take a lock that every store of the same file holds while it writes,
// in this process or another (two windows on one file), and change the file
// as it is then, so no write undoes another. Reads take no lock: the file is
// always replaced whole, in one step.
class SettingsFile
{
public:
    using Pair = QPair<QByteArray, QByteArray>;
    // Makes the new contents of the file at a path (platform::startReplacing);
    // tests put a failing one in its place.
    using Replacement =
        std::function<std::unique_ptr<platform::FileReplacement>(const QString& path)>;

    explicit SettingsFile(QString path, Replacement replacement = {});

    const QString& path() const { return m_path; }

    // The stored value, or the default (trailing blanks dropped) when the file,
    // section or key is missing. At most 2047 characters are returned.
    QByteArray ReadValue(const QByteArray& section, const QByteArray& key,
                         const QByteArray& defaultValue) const;

    // Stores the value in place, or adds the key at the end of its section, or
    // the section at the end of the file. The new text lands whole or not at
    // all: when it cannot be written (a full disk, a size limit, a failure at
    // sync or rename, another writer holding the file for longer than
    // LockWait) the old file stays byte for byte, and SettingsWriteError
    // ("Unable to write to <path>", with the system's reason) is thrown.
    void WriteValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);

    // Key names of the section in file order, within the 16384-byte listing limit.
    QList<QByteArray> ListKeys(const QByteArray& section) const;

    // Keys as ListKeys gives them with their values; empty values left out, a
    // repeated key once.
    QList<Pair> ListPairs(const QByteArray& section) const;

    // Removes the key's line. Failures are ignored; the file then stays whole.
    void DeleteValue(const QByteArray& section, const QByteArray& key);

    // The first key of the section (file order) whose value equals the value
    // byte for byte, or the value itself when none does. One pass over the file.
    QByteArray FileNameForTitle(const QByteArray& title) const;

    // How long a write waits for another writer of the file to finish before
    // it counts as failed.
    static constexpr std::chrono::milliseconds LockWait{5000};

private:
    struct Reading;

    // Under the writers' lock: reads the file, hands its bytes to change and
    // replaces the file with what change returns (nothing: no change). Throws
    // SettingsWriteError when the lock is not had in time or the file cannot
    // be read or replaced; the file then stays as it was.
    void changeFile(const std::function<std::optional<QByteArray>(const QByteArray&)>& change);
    template <typename Visit>
    static void walkListing(const Reading& reading, QByteArrayView section, Visit visit);
    // The file's contents as they are on disk now: the kept reading when the
    // file still has its stamp, else a fresh one (kept when the file did not
    // change while it was read).
    std::shared_ptr<const Reading> reading() const;

    QString m_path;
    Replacement m_replacement;
    mutable std::shared_ptr<const Reading> m_reading;
    bool m_leftoversRemoved = false; // by this store's first write
};

} // namespace settings
