#pragma once

#include <QtGlobal>

namespace platform
{

// This process's id.
qint64 currentProcessId();

// Whether a process with this id runs now (one that may belong to another user).
bool processIsRunning(qint64 id);

} // namespace platform
