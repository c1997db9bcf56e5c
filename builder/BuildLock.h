#pragma once

#include "platform/LockFile.h"
#include "platform/ProgramFiles.h"

#include <QString>

namespace builder
{

// One build at a time per program directory. A build writes the menu script
// there and appends it to its image only later: a second build meanwhile
// would put its own menu above the first one's roms. The lock is held from
// before the menu script is written until the image is closed; a build that
// does not get it writes nothing.
class BuildLock
{
public:
    explicit BuildLock(const platform::ProgramFiles& files);

    // True when this build may go on; false at once when another build holds
    // the lock. Throws FileError when the lock file cannot be made (a
    // read-only program directory).
    bool tryLock();

    // The program folder, as the busy refusal names it.
    QString programDirectory() const;

private:
    QString m_programDirectory;
    platform::LockFile m_lock;
};

} // namespace builder
