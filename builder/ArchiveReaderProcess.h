#pragma once

#include "builder/ArchiveReader.h"

#include <QString>
#include <QtGlobal>

#include <memory>

namespace builder
{

class ArchiveInput;

// Reads archives in a process of their own, the archive reader
// (romweaver-archive-reader, serveArchiveReading), under limits the system
// enforces (platform::LimitedProcess): archiveLimits::Memory besides what the
// reader holds when it starts, and archiveLimits::ProcessorSeconds of
// processor time per archive. The pre-checks and the counting of
// ArchiveReader stop what an archive declares; these limits stop whatever a
// decoder does that nothing declared. A reader past a limit is ended, and
// started again for the next archive; its archive is TooCostly, the limit
// named. This process reads the archive's file (through the ArchiveInput it
// is given: the look's handle, or the build's held without sharing) and hands
// the reader the bytes it asks for; the reader opens nothing.
//
// One reader for each thread that reads archives, started at its first
// archive and kept for the next ones, so that page 1 does not pay a start for
// each file.
class ArchiveReaderProcess
{
public:
    // This thread's reader.
    static ArchiveReaderProcess& ofThisThread();
    // The reader's program, for tests whose executable does not lie beside it;
    // by default platform::helperProgram("romweaver-archive-reader").
    static void setProgram(const QString& path);

    // program: the reader's program; by default the one setProgram names.
    explicit ArchiveReaderProcess(const QString& program = {});
    ~ArchiveReaderProcess();
    ArchiveReaderProcess(const ArchiveReaderProcess&) = delete;
    ArchiveReaderProcess& operator=(const ArchiveReaderProcess&) = delete;

    // As ArchiveReader::findRom and readMember on the archive's bytes. Throws
    // ArchiveError (also TooCostly, and Unreadable when the reader cannot be
    // started) or the FileError of reading the input.
    ArchiveReader::Rom findRom(ArchiveInput& input, const QString& archiveName, bool keepBytes);
    ArchiveReader::Rom readMember(ArchiveInput& input, const QString& archiveName, int member);

    // The most memory the reader has held since it started (0 when none runs):
    // for tests and benchmarks of what reading an archive costs.
    qint64 peakMemory() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace builder
