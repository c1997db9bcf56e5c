#pragma once

// Archives made by the tests themselves with libarchive's writer: .zip
// (stored or deflate), .7z and bare .gz, from a list of members.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

namespace testarchives
{

enum class Format { ZipStored, ZipDeflate, SevenZip, Gzip };

struct Member {
    QString name;      // path inside the archive; a folder's ends in "/"
    QByteArray bytes;  // a file's first bytes
    qint64 zeroes = 0; // zero bytes after them, written without holding them
    QString linkTo;    // a symbolic link to this instead of a file
};

inline Member file(const QString& name, const QByteArray& bytes)
{
    return {name, bytes, 0, {}};
}

// Writes the archive to path, zip entries encrypted (traditional zip
// encryption) when a passphrase is given; returns path.
inline QString makeArchive(const QString& path, Format format, const QList<Member>& members,
                           const char* passphrase = nullptr)
{
    archive* a = archive_write_new();
    const auto check = [a](la_ssize_t status) {
        if (status < ARCHIVE_WARN)
            qFatal("cannot make a test archive: %s", archive_error_string(a));
    };
    if (format == Format::SevenZip) {
        check(archive_write_set_format_7zip(a));
    } else if (format == Format::Gzip) {
        check(archive_write_set_format_raw(a));
        check(archive_write_add_filter_gzip(a));
        check(archive_write_set_filter_option(a, "gzip", "compression-level", "1")); // quick
    } else {
        check(archive_write_set_format_zip(a));
        check(archive_write_set_option(a, "zip", "compression",
                                       format == Format::ZipStored ? "store" : "deflate"));
    }
    if (passphrase) {
        check(archive_write_set_option(a, "zip", "encryption", "zipcrypt"));
        check(archive_write_set_passphrase(a, passphrase));
    }
    check(archive_write_open_filename(a, QFile::encodeName(path).constData()));
    const QByteArray zeroes(1 << 20, '\0');
    for (const Member& member : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname_utf8(entry, member.name.toUtf8().constData());
        archive_entry_set_perm(entry, 0644);
        if (member.name.endsWith(QLatin1Char('/'))) {
            archive_entry_set_filetype(entry, AE_IFDIR);
        } else if (!member.linkTo.isEmpty()) {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_symlink_utf8(entry, member.linkTo.toUtf8().constData());
        } else {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_size(entry, member.bytes.size() + member.zeroes);
        }
        check(archive_write_header(a, entry));
        if (!member.bytes.isEmpty())
            check(archive_write_data(a, member.bytes.constData(), size_t(member.bytes.size())));
        for (qint64 left = member.zeroes; left > 0; left -= zeroes.size())
            check(archive_write_data(a, zeroes.constData(), size_t(qMin(left, zeroes.size()))));
        archive_entry_free(entry);
    }
    check(archive_write_close(a));
    archive_write_free(a);
    return path;
}

} // namespace testarchives
