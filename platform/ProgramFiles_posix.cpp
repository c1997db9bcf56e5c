#include "platform/ProgramFiles.h"

#include "platform/Paths.h"

#include <QStandardPaths>

namespace platform
{

QString executableFileName(const QString& name)
{
    return name;
}

QString userDataDirectory()
{
    // Named here rather than taken from the application's name, so every
    // Romweaver executable shares the one directory.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return {};
    return withTrailingSeparator(dataHome + QStringLiteral("/Romweaver"));
}

} // namespace platform
