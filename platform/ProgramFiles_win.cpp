#include "platform/ProgramFiles.h"

#include "platform/Paths.h"
#include "platform/WindowsApi.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>

namespace platform
{

QString executableFileName(const QString& name)
{
    return name + QStringLiteral(".exe");
}

QString userDataDirectory()
{
    // The user's roaming application data folder (%APPDATA%), where Windows
    // programs keep what belongs to the user; an installed program cannot
    // write to its own folder under Program Files. Named here rather than
    // taken from the application's name, so both executables share it.
    PWSTR folder = nullptr;
    QString directory;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        directory = QString::fromWCharArray(folder);
    CoTaskMemFree(folder);
    if (directory.isEmpty())
        return {};
    return withTrailingSeparator(directory + QStringLiteral("\\Romweaver"));
}

} // namespace platform
