#include "builder/ArchiveReaderService.h"

#include "builder/ArchiveInput.h"
#include "builder/ArchiveLimits.h"
#include "builder/ArchiveReader.h"
#include "builder/ArchiveReaderMessages.h"
#include "platform/FileError.h"
#include "platform/LimitedProcess.h"

#include <array>
#include <cstring>
#include <new>

namespace builder
{

namespace
{

using namespace archiveReading;

// The program could not read the archive: the request ends, and the program
// reports its own error.
struct InputAbandoned {
};
// The program said something else than the conversation allows.
struct ConversationBroken {
};

// The archive's bytes as the program sends them, a block at a time: the
// reading goes back and forth between an archive's list and its members, so
// a few blocks are kept.
class RemoteInput : public ArchiveInput
{
public:
    RemoteInput(Channel& channel, qint64 size) : m_channel(channel), m_size(size) {}

    qint64 read(char* data, qint64 maxSize) override
    {
        qint64 done = 0;
        while (done < maxSize && m_position < m_size) {
            const Block& block = blockAt(m_position);
            const qint64 from = m_position - block.offset;
            const qint64 count = qMin(maxSize - done, block.bytes.size() - from);
            if (count <= 0)
                break;
            std::memcpy(data + done, block.bytes.constData() + from, size_t(count));
            done += count;
            m_position += count;
        }
        return done;
    }
    void seek(qint64 offset) override { m_position = offset; }
    qint64 size() override { return m_size; }

private:
    static constexpr qint64 BlockSize = 65536;
    struct Block {
        qint64 offset = -1;
        QByteArray bytes;
        quint64 used = 0;
    };

    const Block& blockAt(qint64 position)
    {
        const qint64 offset = position - position % BlockSize;
        Block* oldest = &m_blocks[0];
        for (Block& block : m_blocks) {
            if (block.offset == offset) {
                block.used = ++m_clock;
                return block;
            }
            if (block.used < oldest->used)
                oldest = &block;
        }
        Message read;
        read.type = Type::Read;
        read.offset = offset;
        read.count = qint32(qMin(BlockSize, m_size - offset));
        if (!m_channel.send(read))
            throw ConversationBroken{};
        const std::optional<Message> answer = m_channel.receive();
        if (!answer)
            throw ConversationBroken{};
        if (answer->type == Type::InputFailed)
            throw InputAbandoned{};
        if (answer->type != Type::Bytes || answer->bytes.size() > read.count)
            throw ConversationBroken{};
        *oldest = {offset, answer->bytes, ++m_clock};
        return *oldest;
    }

    Channel& m_channel;
    qint64 m_size;
    qint64 m_position = 0;
    std::array<Block, 4> m_blocks;
    quint64 m_clock = 0;
};

Message failure(const ArchiveError& error)
{
    Message message;
    message.type = Type::Failed;
    message.error = error;
    return message;
}

// One request's answer.
Message answer(Channel& channel, const Message& request)
{
    RemoteInput input(channel, request.size);
    try {
        ArchiveReader reader(input, request.archiveName);
        Message found;
        found.type = Type::Rom;
        found.rom = request.type == Type::FindRom ? reader.findRom(request.keepBytes)
                                                  : reader.readMember(request.member);
        return found;
    } catch (const ArchiveError& error) {
        return failure(error);
    } catch (const InputAbandoned&) {
        Message abandoned;
        abandoned.type = Type::Abandoned;
        return abandoned;
    } catch (const std::bad_alloc&) {
        // Past the memory the system allows this process.
        return failure(ArchiveError(request.archiveName, ArchiveError::Kind::TooCostly,
                                    ArchiveError::Detail::MemoryLimit));
    } catch (const platform::FileError&) {
        // The input reports no file errors here: it has none of its own.
        throw ConversationBroken{};
    }
}

} // namespace

int serveArchiveReading()
{
    Channel channel(&platform::helperSide::readInput, &platform::helperSide::writeOutput);
    Message ready;
    ready.type = Type::Ready;
    if (!channel.send(ready))
        return 1;
    try {
        for (;;) {
            const std::optional<Message> request = channel.receive();
            if (!request)
                return 0; // the program closed the conversation (or broke it)
            if (request->type != Type::FindRom && request->type != Type::ReadMember)
                return 1;
            platform::helperSide::allowProcessorTimeFromNow(archiveLimits::ProcessorSeconds);
            if (!channel.send(answer(channel, *request)))
                return 1;
        }
    } catch (const ConversationBroken&) {
        return 1;
    }
}

} // namespace builder
