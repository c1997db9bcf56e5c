#include "cli/GivenPaths.h"

#include "platform/Paths.h"

namespace cli
{

void GivenPaths::add(const QString& used, const QString& given)
{
    m_paths.insert(used, given);
}

void GivenPaths::addRom(const QString& romsDirectory, const QString& fileName, const QString& given)
{
    add(platform::joinPath(romsDirectory, fileName), given);
    m_roms.insert(fileName, given);
}

QString GivenPaths::rom(const QString& fileName) const
{
    return m_roms.value(fileName, fileName);
}

QString GivenPaths::path(const QString& used) const
{
    return m_paths.value(used, used);
}

} // namespace cli
