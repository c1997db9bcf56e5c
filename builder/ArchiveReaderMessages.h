#pragma once

#include "builder/ArchiveError.h"
#include "builder/ArchiveReader.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace builder
{

// What the program and the archive reader's process say to each other
// (ArchiveReaderProcess, serveArchiveReading). The program asks for an
// archive's rom; the reader asks back for the archive's bytes, a range at a
// time, and answers with the rom or the archive's error. Each message is one
// frame: its length (4 bytes, little-endian), its type, its fields. Neither
// side trusts the other's frames: a frame too long, of an unknown type or
// with fields out of their range ends the conversation.
namespace archiveReading
{

enum class Type : quint8 {
    // The program's
    FindRom = 1, // archive name, its size, whether to keep the rom's bytes
    ReadMember,  // archive name, its size, the member
    Bytes,       // the bytes asked for (fewer only at the archive's end)
    InputFailed, // the archive could not be read here: the request ends
    // The reader's
    Ready = 10, // started, nothing read yet
    Read,       // offset, count
    Rom,        // the rom found
    Failed,     // the archive's error
    Abandoned,  // the request ended after InputFailed
};

// The most bytes the reader asks for at a time, and the longest frame either
// side takes: a rom's kept bytes, 6 MiB at most, with room for the rest.
constexpr qint32 MaxReadCount = 1024 * 1024;
constexpr qint32 MaxFrame = 8 * 1024 * 1024;

struct Message {
    Type type = Type::Ready;
    QString archiveName;
    qint64 size = 0;                   // FindRom, ReadMember: the archive's
    bool keepBytes = false;            // FindRom
    int member = -1;                   // ReadMember
    qint64 offset = 0;                 // Read
    qint32 count = 0;                  // Read
    QByteArray bytes;                  // Bytes
    ArchiveReader::Rom rom;            // Rom
    std::optional<ArchiveError> error; // Failed (its archive's name the request's)
};

QByteArray encode(const Message& message);
// Nothing when the frame's contents are not a message as encode() writes them.
std::optional<Message> decode(const QByteArray& frame);

// Reads and writes frames over a byte stream.
class Channel
{
public:
    using ReadSome = std::function<qint64(char* data, qint64 maxSize)>;
    using WriteAll = std::function<bool(const char* data, qint64 size)>;
    Channel(ReadSome read, WriteAll write) : m_read(std::move(read)), m_write(std::move(write)) {}

    bool send(const Message& message);
    // The next message; nothing when the stream ended or the frame was no message.
    std::optional<Message> receive();

private:
    bool readExactly(char* data, qint64 size);
    ReadSome m_read;
    WriteAll m_write;
};

} // namespace archiveReading

} // namespace builder
