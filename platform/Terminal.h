#pragma once

namespace platform
{

// Whether the process's standard error goes to a terminal (a person watching)
// rather than to a file or a pipe.

bool standardErrorIsTerminal();

} // namespace platform
