#include "platform/Terminal.h"

#include <unistd.h>

namespace platform
{

bool standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) != 0;
}

void writeText(std::FILE* stream, const QString& text)
{
    // A terminal here reads the locale's encoding like any file.
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace platform
