#pragma once

// Archives made by the tests themselves, with libarchive's writer: .zip
// (stored or deflate), .7z and bare .gz, from a list of members.

#include "support/TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

namespace testarchives
{

enum class Format { ZipStored, ZipDeflate, SevenZip, Gzip };

inline const char* suffixOf(Format format)
{
    switch (format) {
    case Format::ZipStored:
    case Format::ZipDeflate:
        return ".zip";
    case Format::SevenZip:
        return ".7z";
    case Format::Gzip:
        break;
    }
    return ".nes.gz";
}

struct Member {
    QString name;       // path inside the archive; ending in "/" for a folder
    QByteArray bytes;   // a file's first bytes
    qint64 zeroes = 0;  // zero bytes after them, written without holding them
    QString linkTarget; // a symbolic link to this, instead of a file
};

// A file's member.
inline Member file(const QString& name, const QByteArray& bytes)
{
    return Member{name, bytes, 0, QString()};
}

struct Options {
    QByteArray passphrase; // zip traditional encryption when given
    int level = -1;        // the deflate level, -1 for libarchive's own
};

inline void check(archive* a, int status, const char* what)
{
    if (status < ARCHIVE_WARN)
        qFatal("cannot make a test archive (%s): %s", what, archive_error_string(a));
}

// Writes the archive to path (replacing a file there) and returns path.
inline QString makeArchive(const QString& path, Format format, const QList<Member>& members,
                           const Options& options = {})
{
    archive* a = archive_write_new();
    const QByteArray level = QByteArray::number(options.level);
    switch (format) {
    case Format::ZipStored:
    case Format::ZipDeflate:
        check(a, archive_write_set_format_zip(a), "zip");
        check(a,
              archive_write_set_option(a, "zip", "compression",
                                       format == Format::ZipStored ? "store" : "deflate"),
              "compression");
        if (options.level >= 0)
            check(a, archive_write_set_option(a, "zip", "compression-level", level.constData()),
                  "level");
        break;
    case Format::SevenZip:
        check(a, archive_write_set_format_7zip(a), "7z");
        break;
    case Format::Gzip:
        check(a, archive_write_set_format_raw(a), "raw");
        check(a, archive_write_add_filter_gzip(a), "gzip");
        if (options.level >= 0)
            check(
                a,
                archive_write_set_filter_option(a, "gzip", "compression-level", level.constData()),
                "level");
        break;
    }
    if (!options.passphrase.isEmpty()) {
        check(a, archive_write_set_option(a, "zip", "encryption", "zipcrypt"), "encryption");
        check(a, archive_write_set_passphrase(a, options.passphrase.constData()), "passphrase");
    }
    check(a, archive_write_open_filename(a, QFile::encodeName(path).constData()), "open");
    const QByteArray zeroes(1 << 20, '\0');
    for (const Member& member : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, member.name.toUtf8().constData());
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_mtime(entry, 1700000000, 0);
        if (member.name.endsWith(QLatin1Char('/'))) {
            archive_entry_set_filetype(entry, AE_IFDIR);
        } else if (!member.linkTarget.isEmpty()) {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink_utf8(entry, member.linkTarget.toUtf8().constData());
        } else {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, member.bytes.size() + member.zeroes);
        }
        check(a, archive_write_header(a, entry), "member");
        if (!member.bytes.isEmpty() &&
            archive_write_data(a, member.bytes.constData(), size_t(member.bytes.size())) < 0)
            check(a, ARCHIVE_FATAL, "data");
        for (qint64 left = member.zeroes; left > 0; left -= zeroes.size()) {
            if (archive_write_data(a, zeroes.constData(),
                                   size_t(qMin<qint64>(left, zeroes.size()))) < 0)
                check(a, ARCHIVE_FATAL, "data");
        }
        archive_entry_free(entry);
    }
    check(a, archive_write_close(a), "close");
    archive_write_free(a);
    return path;
}

// The same in dir, named name + the format's suffix.
inline QString makeArchiveIn(const QString& dir, const QString& name, Format format,
                             const QList<Member>& members, const Options& options = {})
{
    return makeArchive(QDir(dir).filePath(name + QLatin1String(suffixOf(format))), format, members,
                       options);
}

} // namespace testarchives
