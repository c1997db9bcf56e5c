#include "BuildLock.h"

#include "Platform.h"

BuildLock::BuildLock(const QString& programDirectory)
    : m_programDirectory(programDirectory), m_lock(programDirectory + QStringLiteral("menu.out"))
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
