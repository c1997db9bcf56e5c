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

QString BuildLock::busyText() const
{
    return QStringLiteral("Another build is writing in %1; try again when it has finished.")
        .arg(platform::nativeDirectory(m_programDirectory));
}

} // namespace builder
