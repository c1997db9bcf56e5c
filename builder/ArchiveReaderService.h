#pragma once

namespace builder
{

// The archive reader's process (the program romweaver-archive-reader): answers
// the requests of ArchiveReaderProcess on its standard input and output, one
// at a time, until its input ends, reading each archive with ArchiveReader
// through the bytes the program sends it. It opens no file itself. Returns
// the process's exit status: 0 when its input ended, 1 when it was not spoken
// to as ArchiveReaderMessages say.
int serveArchiveReading();

} // namespace builder
