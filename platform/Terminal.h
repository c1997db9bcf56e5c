#pragma once

#include <QString>

#include <cstdio>

namespace platform
{

// Whether the process's standard error goes to a terminal (a person watching)
// rather than to a file or a pipe.

bool standardErrorIsTerminal();

// Writes text to a standard stream (stdout, stderr) and flushes it: to a
// console in the console's own characters, whatever its code page (on Windows
// a console's code page is not the programs' 8-bit one, so "Größe" or a
// Japanese message would come out garbled), else, to a file or a pipe, in the
// local 8-bit encoding.
void writeText(std::FILE* stream, const QString& text);

} // namespace platform
