#include "builder/CompilationFile.h"

#include "builder/MenuText.h"
#include "platform/FileHead.h"
#include "platform/FileReplacement.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <zlib.h>

#include <cmath>
#include <limits>
#include <utility>

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

// The GBA rom's folder and name as the file keeps them: a name that holds a
// separator (or is "." or "..") is split from the path it makes, and a blank
// one is none, so that the file reads back.
std::pair<QString, QString> storedOutput(const Compilation& compilation)
{
    const QString& name = compilation.outputName;
    if (name.trimmed().isEmpty())
        return {compilation.outputDirectory, QString()};
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
        name != QStringLiteral(".") && name != QStringLiteral(".."))
        return {compilation.outputDirectory, name};
    // The path the build writes; a "\" is taken for a separator on every
    // system, as on Windows: a compilation file names no file that holds one.
    const QFileInfo output(QDir::cleanPath(QDir::fromNativeSeparators(compilation.outputPath())
                                               .replace(QLatin1Char('\\'), QLatin1Char('/'))));
    return {platform::nativeDirectory(output.absolutePath()), output.fileName()};
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

// A compilation is a few hundred bytes a rom; anything far larger is not one.
// The bound holds the memory a reading takes: Qt's JSON keeps about 16 bytes
// a value, so 8 MiB of the smallest values cost some 70 MB.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
// A GBA cartridge holds some 2,000 NES roms at most; a compilation may list
// more (the wizard lets a user go past the capacity and asks), not five times more.
constexpr qsizetype MaxRoms = 10000;
// A rom's menu line: a title and its fields (option flags, a sprite value),
// each at most as long as the wizard's edit fields take, 32767 characters.
constexpr qsizetype MaxMenuFields = 16;
constexpr qsizetype MaxMenuText = 32767;

// What a path names that is no file, as the detail of CannotRead.
const char* specialFilePhrase(platform::SpecialFile special)
{
    using platform::SpecialFile;
    switch (special) {
    case SpecialFile::Folder:
        return QT_TRANSLATE_NOOP("builder::CompilationFile", "it is a folder");
    case SpecialFile::Device:
        return QT_TRANSLATE_NOOP("builder::CompilationFile", "it is a device");
    case SpecialFile::Pipe:
        return QT_TRANSLATE_NOOP("builder::CompilationFile", "it is a pipe");
    case SpecialFile::Socket:
        return QT_TRANSLATE_NOOP("builder::CompilationFile", "it is a socket");
    case SpecialFile::Unknown:
        break;
    }
    return QT_TRANSLATE_NOOP("builder::CompilationFile", "it is not a regular file");
}

// The file's bytes, read through one look that never waits on a pipe or a
// device and tells what the path names when it is no file.
QByteArray compilationBytes(const QString& path)
{
    std::optional<platform::FileLook> file;
    try {
        file.emplace(path);
    } catch (const platform::NotARegularFile& error) {
        throw CompilationFileError(Kind::CannotRead, path,
                                   QString::fromUtf8(specialFilePhrase(error.special())));
    } catch (const platform::FileError& error) {
        throw CompilationFileError(Kind::CannotRead, path,
                                   error.cause().isEmpty() ? error.text() : error.cause());
    }
    if (file->size() > MaxFileSize)
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile", "it is far too large"));
    QByteArray bytes(file->size(), Qt::Uninitialized);
    try {
        bytes.truncate(file->readAt(0, bytes.data(), bytes.size()));
    } catch (const platform::FileError& error) {
        throw CompilationFileError(Kind::CannotRead, path,
                                   error.cause().isEmpty() ? error.text() : error.cause());
    }
    return bytes;
}

QJsonObject compilationDocument(const QString& path, const QByteArray& bytes)
{
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (json.isNull())
        throw CompilationFileError(Kind::NotACompilation, path, parseError.errorString());
    return json.object();
}

// The whole number a JSON number holds, from lowest to highest; nothing for
// any other value (a fraction, a number out of range, not a number).
std::optional<qint64> wholeNumber(const QJsonValue& value, qint64 lowest, qint64 highest)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // Compared as doubles first: a double past qint64's range has no qint64 value.
    if (!(number >= double(lowest) && number <= double(highest)) || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

// The text as a title or a menu field may hold it, or a damaged file naming the rom.
void checkMenuText(const QString& path, const QString& fileName, const QString& text,
                   MenuTextPart part)
{
    if (text.size() > MaxMenuText)
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile",
                                          "the menu line of %1 is longer than 32767 characters"),
                        fileName);
    switch (menuTextFault(text, part)) {
    case MenuTextFault::None:
        return;
    case MenuTextFault::LineBreak:
        if (part == MenuTextPart::Title)
            notACompilation(
                path,
                QT_TRANSLATE_NOOP("builder::CompilationFile", "the title of %1 holds a line break"),
                fileName);
        notACompilation(
            path,
            QT_TRANSLATE_NOOP("builder::CompilationFile", "a menu field of %1 holds a line break"),
            fileName);
    case MenuTextFault::ControlCharacter:
        if (part == MenuTextPart::Title)
            notACompilation(path,
                            QT_TRANSLATE_NOOP("builder::CompilationFile",
                                              "the title of %1 holds a control character"),
                            fileName);
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile",
                                          "a menu field of %1 holds a control character"),
                        fileName);
    case MenuTextFault::FieldSeparator:
        notACompilation(
            path, QT_TRANSLATE_NOOP("builder::CompilationFile", "a menu field of %1 holds a \"|\""),
            fileName);
    }
}

// A file name of its own in the rom folder: no path, no NUL.
bool isPlainRomName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0)) &&
           name != QStringLiteral("..") && name != QStringLiteral(".");
}

// One entry of the list of roms, every part of it checked.
CompilationRom romOf(const QString& path, const QJsonObject& entry)
{
    CompilationRom rom;
    rom.fileName = entry.value(QStringLiteral("file")).toString();
    // A file name, never a path: every rom lies in the rom folder.
    if (!isPlainRomName(rom.fileName))
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "a rom has no file name of its own"));
    rom.title = entry.value(QStringLiteral("title")).toString(rom.fileName);
    checkMenuText(path, rom.fileName, rom.title, MenuTextPart::Title);
    const QJsonArray fields = entry.value(QStringLiteral("menuFields")).toArray();
    if (fields.size() > MaxMenuFields)
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile",
                                          "the menu line of %1 has more than 16 fields"),
                        rom.fileName);
    for (const QJsonValue& field : fields) {
        rom.menuFields << field.toString();
        checkMenuText(path, rom.fileName, rom.menuFields.constLast(), MenuTextPart::Field);
    }
    std::optional<qint64> size;
    if (entry.contains(QStringLiteral("size"))) {
        // Exactly as a double holds it: at most 2^53.
        size = wholeNumber(entry.value(QStringLiteral("size")), 0, qint64(1) << 53);
        if (!size)
            notACompilation(path,
                            QT_TRANSLATE_NOOP("builder::CompilationFile",
                                              "the size of %1 is not a possible file size"),
                            rom.fileName);
    }
    std::optional<quint32> crc;
    if (entry.contains(QStringLiteral("crc32"))) {
        static const QRegularExpression hex(
            QRegularExpression::anchoredPattern(QStringLiteral("[0-9a-fA-F]{1,8}")));
        const QString text = entry.value(QStringLiteral("crc32")).toString();
        if (!hex.match(text).hasMatch())
            notACompilation(path,
                            QT_TRANSLATE_NOOP("builder::CompilationFile",
                                              "the CRC-32 of %1 is not 1 to 8 hexadecimal digits"),
                            rom.fileName);
        crc = text.toUInt(nullptr, 16);
    }
    if (size && crc)
        rom.saved = RomFingerprint{*size, *crc};
    return rom;
}

// The GBA rom's name, a file name in its folder (or none): it never leads elsewhere.
void checkOutputName(const QString& path, const QString& name)
{
    if (name.isEmpty())
        return;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QStringLiteral(".") || name == QStringLiteral(".."))
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "the name of its GBA rom is a path, not a file "
                                                "name"));
    if (name.trimmed().isEmpty())
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "the name of its GBA rom is blank"));
    // A NUL too: the system would take the name as ending there.
    if (menuTextFault(name, MenuTextPart::Title) != MenuTextFault::None)
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "the name of its GBA rom holds a control "
                                                "character or a line break"));
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
    const auto [outputFolder, outputName] = storedOutput(compilation);
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
         QJsonObject{{QStringLiteral("folder"), storedFolder(outputFolder, fileFolder)},
                     {QStringLiteral("name"), outputName}}},
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
    const QJsonObject document = compilationDocument(path, compilationBytes(path));
    if (document.value(QStringLiteral("format")).toString() != FormatName)
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it does not say it is one"));
    const QJsonValue versionValue = document.value(QStringLiteral("version"));
    if (!versionValue.isDouble())
        notACompilation(path,
                        QT_TRANSLATE_NOOP("builder::CompilationFile", "it has no format version"));
    const auto version = wholeNumber(versionValue, 1, std::numeric_limits<int>::max());
    if (!version)
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "its format version is not a whole number "
                                                "from 1 to 2147483647"));
    if (*version > CompilationFormatVersion)
        throw CompilationFileError(Kind::NewerFormat, path, QString::number(*version));

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
    if (roms.toArray().size() > MaxRoms)
        notACompilation(path, QT_TRANSLATE_NOOP("builder::CompilationFile",
                                                "it lists more than 10000 roms"));
    for (const QJsonValue& value : roms.toArray()) {
        const CompilationRom rom = romOf(path, value.toObject());
        if (!compilation.addRom(rom))
            notACompilation(path,
                            QT_TRANSLATE_NOOP("builder::CompilationFile", "%1 is listed twice"),
                            rom.fileName);
    }
    compilation.setNumbered(document.value(QStringLiteral("numbered")).toBool());
    compilation.restoreSorted(document.value(QStringLiteral("sortedByTitle")).toBool());
    const QJsonObject output = document.value(QStringLiteral("output")).toObject();
    compilation.outputDirectory =
        restoredFolder(output.value(QStringLiteral("folder")).toString(), fileFolder);
    compilation.outputName = output.value(QStringLiteral("name")).toString();
    checkOutputName(path, compilation.outputName);
    return compilation;
}

} // namespace builder
