#include "builder/BuildLock.h"

#include "platform/Paths.h"

namespace builder
{

BuildLock::BuildLock(const platform::ProgramFiles& files)
    : m_programDirectory(files.directory()), m_lock(files.menuScript())
{
}

bool BuildLock::tryLock()
{
    return m_lock.tryLock();
}

QString BuildLock::programDirectory() const
{
    return platform::nativeDirectory(m_programDirectory);
}

} // namespace builder
