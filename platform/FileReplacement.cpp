#include "platform/FileReplacement.h"

#include "platform/FileReplacementSystem.h"
#include "platform/Process.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace platform
{

namespace
{

// New files are named "<target>.new-<process id>-<six letters><suffix>": the
// id tells whose a file left behind is, the letters keep two of one process
// apart.
const QString NewFileInfix = QStringLiteral(".new-");
const QString NewFileTail = QStringLiteral("(\\d+)-[a-z0-9]{6}");

// The longest file name the file systems in use take, in fileNameLength's units.
constexpr qsizetype LongestFileName = 255;
// A process id has at most 10 digits (32 bits).
constexpr qsizetype LongestProcessId = 10;

// What a new file's name begins with: the target's file name, cut short (at
// a character's end) where the name with its tail would pass the longest file
// name. Whatever the process id, the same for the same name and suffix, so
// that leftovers are found by it.
QString replacementStem(const QString& fileName, const QString& suffix)
{
    const qsizetype tail =
        fileNameLength(NewFileInfix + suffix) + LongestProcessId + 1 + 6; // "-" and the letters
    if (fileNameLength(fileName) + tail <= LongestFileName)
        return fileName;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, fileName);
    qsizetype kept = 0;
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
        if (fileNameLength(fileName.left(end)) + tail > LongestFileName)
            break;
        kept = end;
    }
    return fileName.left(kept);
}

// Removes the files of the directory whose names the pattern matches in full
// (its first group the process id) and that no running process writes.
void removeLeftovers(const QDir& directory, const QString& nameFilter,
                     const QRegularExpression& pattern)
{
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QFileInfo& file :
         directory.entryInfoList({nameFilter}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        // A write takes seconds at most: a new file older than a minute was
        // abandoned even where its process id has been given to another.
        if (processIsRunning(match.captured(1).toLongLong()) &&
            file.lastModified().toUTC() >= aMinuteAgo)
            continue;
        // A replacement holds its new file without sharing while it writes:
        // one that cannot be opened so is still someone's work.
        try {
            ExclusiveFile(file.absoluteFilePath(), ExclusiveFile::Mode::ReadExisting).close();
        } catch (const FileError&) {
            continue;
        }
        QFile::remove(file.absoluteFilePath());
    }
}

} // namespace

QString replacedPath(const QString& path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

QString replacedFile(const QString& path)
{
    return replacedPath(path);
}

QString newReplacementName(const QString& target, const QString& suffix)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const QFileInfo file(target);
    const QString stem = replacementStem(file.fileName(), suffix);
    QString name = target.left(target.size() - file.fileName().size()) + stem + NewFileInfix +
                   QString::number(currentProcessId()) + QLatin1Char('-');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return name + suffix;
}

std::unique_ptr<ExclusiveFile> holdOldFile(const QString& target)
{
    if (!QFileInfo::exists(target))
        return nullptr;
    return std::make_unique<ExclusiveFile>(target, ExclusiveFile::Mode::ReadExisting);
}

std::unique_ptr<FileReplacement> startReplacing(const QString& path,
                                                const ReplacementOptions& options)
{
    return replacementOf(replacedPath(path), options);
}

void removeLeftoverReplacements(const QString& path)
{
    const QFileInfo target(replacedPath(path));
    const QString prefix = replacementStem(target.fileName(), QString()) + NewFileInfix;
    removeLeftovers(target.absoluteDir(), prefix + QLatin1Char('*'),
                    QRegularExpression(QRegularExpression::anchoredPattern(
                        QRegularExpression::escape(prefix) + NewFileTail)));
}

void removeLeftoverReplacementsBeside(const QString& path, const QString& newFileSuffix)
{
    removeLeftovers(QFileInfo(replacedPath(path)).absoluteDir(), QLatin1Char('*') + newFileSuffix,
                    QRegularExpression(QRegularExpression::anchoredPattern(
                        QStringLiteral(".+") + QRegularExpression::escape(NewFileInfix) +
                        NewFileTail + QRegularExpression::escape(newFileSuffix))));
}

} // namespace platform
