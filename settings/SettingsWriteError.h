#pragma once

#include "platform/FileError.h"

#include <QString>

namespace settings
{

// The settings file could not be written: its path and why. text() is
// "Unable to write to <path>"; the front ends word it from path(), cause()
// (the system's reason, where it gave one) and busy() (another writer held
// the file for longer than SettingsFile::LockWait).
class SettingsWriteError : public platform::FileError
{
public:
    SettingsWriteError(const QString& path, const QString& cause, bool busy = false,
                       platform::FileFailure failure = platform::FileFailure::Other)
        : platform::FileError(QStringLiteral("Unable to write to ") + path, path, failure, cause),
          m_busy(busy)
    {
    }
    bool busy() const { return m_busy; }

private:
    bool m_busy;
};

} // namespace settings
