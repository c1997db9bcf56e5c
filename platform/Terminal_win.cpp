#include "platform/Terminal.h"

#include <QByteArray>

#include <io.h>
#include <stdio.h>
#include <windows.h>

namespace platform
{

bool standardErrorIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

void writeText(std::FILE* stream, const QString& text)
{
    std::fflush(stream); // what the C library holds goes first
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        // The console takes UTF-16 as it is, in any code page.
        DWORD written = 0;
        WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace platform
