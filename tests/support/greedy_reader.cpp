// "An archive reader that goes too far", for the tests of the limits the
// system sets the archive reader: it answers a request for the rom of
// memory.zip by allocating 1 GiB, of time.zip by spending processor time
// without end, of crash.zip by crashing, of slow*.zip after a second of
// sleep, and of any other archive at once with a rom.
#include "builder/ArchiveError.h"
#include "builder/ArchiveReaderMessages.h"
#include "platform/LimitedProcess.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

using namespace builder::archiveReading;

int main()
{
    platform::helperSide::prepare(256 * 1024 * 1024);
    Channel channel(&platform::helperSide::readInput, &platform::helperSide::writeOutput);
    Message ready;
    ready.type = Type::Ready;
    channel.send(ready);
    while (const std::optional<Message> request = channel.receive()) {
        platform::helperSide::allowProcessorTimeFromNow(2);
        Message answer;
        answer.type = Type::Rom;
        answer.rom.member = 0;
        answer.rom.header = QByteArray("NES\x1a\x01\x00", 6) + QByteArray(10, '\0');
        answer.rom.length = 16;
        if (request->archiveName == QLatin1String("memory.zip")) {
            const std::size_t size = std::size_t(1) << 30;
            if (char* memory = static_cast<char*>(std::malloc(size))) {
                std::memset(memory, 1, size);
                answer.rom.length += memory[size - 1];
            } else {
                answer.type = Type::Failed;
                answer.error = builder::ArchiveError(request->archiveName,
                                                     builder::ArchiveError::Kind::TooCostly,
                                                     builder::ArchiveError::Detail::MemoryLimit);
            }
        } else if (request->archiveName == QLatin1String("time.zip")) {
            std::atomic<quint64> spin = 0;
            for (;;)
                spin.fetch_add(1, std::memory_order_relaxed);
        } else if (request->archiveName == QLatin1String("crash.zip")) {
            std::abort();
        } else if (request->archiveName.startsWith(QLatin1String("slow"))) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        if (!channel.send(answer))
            return 1;
    }
    return 0;
}
