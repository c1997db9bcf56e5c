#include "platform/Paths.h"

namespace platform
{

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseSensitive;
}

} // namespace platform
