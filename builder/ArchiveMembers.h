#pragma once

#include <QString>
#include <QtGlobal>

namespace builder
{

// One pass over an archive's members, in their order (ArchiveReader's formats).
class ArchiveMembers
{
public:
    struct Member {
        QString name;           // its file name, without the folders it lies in
        bool regular = false;   // a file; not a folder, a link or a device
        bool encrypted = false; // its bytes cannot be read without a passphrase
    };

    virtual ~ArchiveMembers() = default;
    // Moves to the next member; false after the last, past which nothing is read.
    virtual bool next(Member& member) = 0;
    // The current member's next bytes; 0 at its end.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    // Reads on to the end of what checks the member's bytes, where that lies
    // past its end: the trailer of the gzip data a tar member lies in.
    virtual void finish() {}
};

} // namespace builder
