#include "platform/LockFile.h"

#include <QDeadlineTimer>
#include <QThread>

namespace platform
{

LockFile::LockFile(const QString& guardedPath) : m_path(guardedPath + QStringLiteral(".lock")) {}

LockFile::~LockFile()
{
    unlock();
}

bool LockFile::tryLock(std::chrono::milliseconds wait)
{
    if (isLocked())
        return true;
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (tryLockOnce())
            return true;
        if (deadline.hasExpired())
            return false;
        // Holders keep the lock for milliseconds (a settings write) or for a
        // whole build; a short pause keeps the waiter cheap either way.
        QThread::msleep(quint64(qMin<qint64>(10, deadline.remainingTime())));
    }
}

} // namespace platform
