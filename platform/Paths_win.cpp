#include "platform/Paths.h"

namespace platform
{

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}

} // namespace platform
