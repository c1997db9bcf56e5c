#include "platform/ProgramFiles.h"

namespace platform
{

QString userDataDirectory()
{
    return {}; // the program's files always lie beside the executable
}

} // namespace platform
