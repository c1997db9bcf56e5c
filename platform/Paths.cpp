#include "platform/Paths.h"

#include "platform/FileStamp.h"

#include <QDir>
#include <QFileInfo>

namespace platform
{

QString pathSeparator()
{
    return QString(QDir::separator());
}

QString joinPath(const QString& dir, const QString& name)
{
    return dir + pathSeparator() + name;
}

QString nativeDirectory(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString withTrailingSeparator(const QString& path)
{
    QString dir = nativeDirectory(path);
    if (!dir.endsWith(pathSeparator()))
        dir += pathSeparator();
    return dir;
}

bool namesSameFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const auto first = fileIdentity(a);
    const auto second = fileIdentity(b);
    if (first || second)
        return first == second;
    const QFileInfo firstInfo(a);
    const QFileInfo secondInfo(b);
    if (firstInfo.fileName().compare(secondInfo.fileName(), fileNameCase()) != 0)
        return false;
    const auto firstDirectory = fileIdentity(firstInfo.absolutePath());
    return firstDirectory && firstDirectory == fileIdentity(secondInfo.absolutePath());
}

} // namespace platform
