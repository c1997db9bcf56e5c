#pragma once

#include <QtGlobal>

namespace platform
{

// This process's id.
qint64 currentProcessId();

// Whether a process with this id runs now (one that may belong to another user).
bool processIsRunning(qint64 id);

// A file grown past the process's size limit (ulimit -f) fails its write
// (EFBIG) like a full disk, instead of the system ending the process and
// leaving a half-written file and, in the wizard, unsaved work. Called once at
// start; nothing to do where there is no such limit (Windows).
void ignoreFileSizeSignal();

} // namespace platform
