#include "builder/CompilationFile.h"

#include "platform/FileHead.h"
#include "platform/FileReplacement.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <zlib.h>

namespace builder
{

namespace
{

using Kind = CompilationFileError::Kind;

const QString FormatName = QStringLiteral("romweaver-compilation");

QString sentenceFor(Kind kind, const QString& path, const QString& detail)
{
    switch (kind) {
    case Kind::CannotRead:
        return QStringLiteral("Cannot read the compilation %1: %2").arg(path, detail);
    case Kind::CannotWrite:
        return QStringLiteral("Cannot write the compilation %1: %2").arg(path, detail);
    case Kind::NotACompilation:
        return QStringLiteral("%1 is not a Romweaver compilation: %2").arg(path, detail);
    case Kind::NewerFormat:
        break;
    }
    return QStringLiteral("%1 was saved by a newer Romweaver (format version %2); this one reads "
                          "versions up to %3")
        .arg(path, detail)
        .arg(CompilationFormatVersion);
}

// A folder as the file keeps it: relative to the file's own folder when it
// lies there or below, else absolute; "/" between names on every system.
QString storedFolder(const QString& folder, const QDir& fileFolder)
{
    if (folder.isEmpty())
        return folder;
    const QString relative = fileFolder.relativeFilePath(QDir::fromNativeSeparators(folder));
    if (!QDir::isAbsolutePath(relative) && relative != QStringLiteral("..") &&
        !relative.startsWith(QStringLiteral("../")))
        return relative.isEmpty() ? QStringLiteral(".") : relative;
    return QDir::fromNativeSeparators(folder);
}

QString restoredFolder(const QString& stored, const QDir& fileFolder)
{
    if (stored.isEmpty())
        return stored;
    return platform::nativeDirectory(QDir::cleanPath(fileFolder.absoluteFilePath(stored)));
}

[[noreturn]] void notACompilation(const QString& path, const char* what, const QString& name = {})
{
    throw CompilationFileError(Kind::NotACompilation, path, QString::fromUtf8(what), name);
}

QString crcText(quint32 crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0'));
}

} // namespace

CompilationFileError::CompilationFileError(Kind kind, const QString& path, const QString& detail,
                                           const QString& name)
    : platform::FileError(
          sentenceFor(kind, path, QString(detail).replace(QLatin1String("%1"), name)), path),
      m_kind(kind), m_detail(detail), m_name(name)
{
}

CompilationFileError::CompilationFileError(const QString& path,
                                           const platform::FileError& fileError)
    : platform::FileError(sentenceFor(Kind::CannotWrite, path, fileError.text()), path,
                          fileError.failure(), fileError.cause()),
      m_kind(Kind::CannotWrite), m_fileError(fileError)
{
}

std::optional<RomFingerprint> fingerprintOf(const QString& path)
{
    // A look like every look at a rom: shared, read-only, never waiting on a pipe.
    try {
        platform::FileLook file(path);
        RomFingerprint fingerprint;
        uLong crc = crc32(0L, Z_NULL, 0);
        QByteArray chunk(65536, Qt::Uninitialized);
        for (;;) {
            const qint64 got = file.readAt(fingerprint.size, chunk.data(), chunk.size());
            if (got == 0)
                break;
            crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(got));
            fingerprint.size += got;
        }
        fingerprint.crc32 = quint32(crc);
        return fingerprint;
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

void writeCompilationFile(const QString& path, const Compilation& compilation)
{
    const QDir fileFolder = QFileInfo(path).absoluteDir();
    QJsonArray roms;
    for (qsizetype position = 0; position < compilation.menuSize(); ++position) {
        const CompilationRom& rom = compilation.menuRom(position);
        QJsonObject entry{{QStringLiteral("file"), rom.fileName},
                          {QStringLiteral("title"), rom.title.isNull() ? rom.fileName : rom.title}};
        if (!rom.menuFields.isEmpty())
            entry.insert(QStringLiteral("menuFields"), QJsonArray::fromStringList(rom.menuFields));
        if (const auto fingerprint =
                fingerprintOf(platform::joinPath(compilation.romsDirectory(), rom.fileName))) {
            entry.insert(QStringLiteral("size"), double(fingerprint->size));
            entry.insert(QStringLiteral("crc32"), crcText(fingerprint->crc32));
        }
        roms.append(entry);
    }
    const QJsonObject document{
        {QStringLiteral("format"), FormatName},
        {QStringLiteral("version"), CompilationFormatVersion},
        {QStringLiteral("romFolder"), storedFolder(compilation.romsDirectory(), fileFolder)},
        {QStringLiteral("roms"), roms},
        {QStringLiteral("numbered"), compilation.numbered()},
        {QStringLiteral("sortedByTitle"), compilation.sorted()},
        {QStringLiteral("output"),
         QJsonObject{
             {QStringLiteral("folder"), storedFolder(compilation.outputDirectory, fileFolder)},
             {QStringLiteral("name"), compilation.outputName}}},
    };
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    try {
        const std::unique_ptr<platform::FileReplacement> file = platform::startReplacing(path);
        file->write(bytes.constData(), bytes.size());
        file->commit();
    } catch (const platform::FileError& error) {
        throw CompilationFileError(path, error);
    }
}

Compilation readCompilationFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw CompilationFileError(
            Kind::CannotRead, path,
            QFileInfo(path).isDir()
                ? QString::fromUtf8(QT_TRANSLATE_NOOP("builder::CompilationFile", "it is a folder"))
                : file.errorString());
    // A compilation is a few hundred bytes a rom; anything far larger is not one.
    constexpr qint64 MaxSize = 64 * 1024 * 1024;
    if (file.size() > MaxSize)
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile", "it is far too large"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CompilationFileError(Kind::CannotRead, path, file.errorString());

    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (json.isNull())
        throw CompilationFileError(Kind::NotACompilation, path, parseError.errorString());
    const QJsonObject document = json.object();
    if (document.value(QStringLiteral("format")).toString() != FormatName)
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it does not say it is one"));
    const int version = document.value(QStringLiteral("version")).toInt(0);
    if (version < 1)
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it has no format version"));
    if (version > CompilationFormatVersion)
        throw CompilationFileError(Kind::NewerFormat, path, QString::number(version));

    const QDir fileFolder = QFileInfo(path).absoluteDir();
    Compilation compilation;
    compilation.setRomsDirectory(
        restoredFolder(document.value(QStringLiteral("romFolder")).toString(), fileFolder));
    if (compilation.romsDirectory().isEmpty())
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it names no rom folder"));
    const QJsonValue roms = document.value(QStringLiteral("roms"));
    if (!roms.isArray())
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it has no list of roms"));
    for (const QJsonValue& value : roms.toArray()) {
        const QJsonObject entry = value.toObject();
        CompilationRom rom;
        rom.fileName = entry.value(QStringLiteral("file")).toString();
        // A file name, never a path: every rom lies in the rom folder.
        if (rom.fileName.isEmpty() || rom.fileName.contains(QLatin1Char('/')) ||
            rom.fileName.contains(QLatin1Char('\\')) || rom.fileName == QStringLiteral("..") ||
            rom.fileName == QStringLiteral("."))
            notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                    "a rom has no file name of its own"));
        if (compilation.contains(rom.fileName))
            notACompilation(path,
                            QT_TRANSLATE_NOOP("builder::CompilationFile", "%1 is listed twice"),
                            rom.fileName);
        rom.title = entry.value(QStringLiteral("title")).toString(rom.fileName);
        for (const QJsonValue& field : entry.value(QStringLiteral("menuFields")).toArray())
            rom.menuFields << field.toString();
        bool crcRead = false;
        const quint32 crc = entry.value(QStringLiteral("crc32")).toString().toUInt(&crcRead, 16);
        if (entry.contains(QStringLiteral("size")) && crcRead)
            rom.saved = RomFingerprint{qint64(entry.value(QStringLiteral("size")).toDouble()), crc};
        compilation.addRom(rom);
    }
    compilation.setNumbered(document.value(QStringLiteral("numbered")).toBool());
    compilation.restoreSorted(document.value(QStringLiteral("sortedByTitle")).toBool());
    const QJsonObject output = document.value(QStringLiteral("output")).toObject();
    compilation.outputDirectory =
        restoredFolder(output.value(QStringLiteral("folder")).toString(), fileFolder);
    compilation.outputName = output.value(QStringLiteral("name")).toString();
    return compilation;
}

} // namespace builder
