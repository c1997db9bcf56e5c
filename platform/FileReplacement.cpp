#include "platform/FileReplacement.h"

#include "platform/FileReplacementSystem.h"
#include "platform/Process.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace platform
{

namespace
{

// New files are named "<target>.new-<process id>-<six letters>": the id tells
// whose a file left behind is, the letters keep two of one process apart.
const QString NewFileInfix = QStringLiteral(".new-");

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

QString newReplacementName(const QString& target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + NewFileInfix + QString::number(currentProcessId()) + QLatin1Char('-');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return name;
}

std::unique_ptr<FileReplacement> startReplacing(const QString& path)
{
    return replacementOf(replacedPath(path));
}

void removeLeftoverReplacements(const QString& path)
{
    const QFileInfo target(replacedPath(path));
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName() + NewFileInfix) +
        QStringLiteral("(\\d+)-[a-z0-9]{6}")));
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir directory = target.absoluteDir();
    for (const QFileInfo& file :
         directory.entryInfoList({target.fileName() + NewFileInfix + QLatin1Char('*')},
                                 QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = leftover.match(file.fileName());
        if (!match.hasMatch())
            continue;
        // A write takes milliseconds: a new file older than a minute was
        // abandoned even where its process id has been given to another.
        if (!processIsRunning(match.captured(1).toLongLong()) ||
            file.lastModified().toUTC() < aMinuteAgo)
            QFile::remove(file.absoluteFilePath());
    }
}

} // namespace platform
