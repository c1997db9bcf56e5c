// Linked into every test program: the archive reader's process is the one the
// build made, wherever the test program lies.
#include "builder/ArchiveReaderProcess.h"

namespace
{

const bool programSet = [] {
    builder::ArchiveReaderProcess::setProgram(QStringLiteral(ROMWEAVER_ARCHIVE_READER));
    return true;
}();

} // namespace
