#pragma once

// Whether the process's standard error goes to a terminal (a person watching)
// rather than to a file or a pipe.
namespace platform
{

bool standardErrorIsTerminal();

} // namespace platform
