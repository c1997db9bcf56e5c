#include "platform/LimitedProcess.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <limits>
#include <thread>

namespace platform
{

namespace helperSide
{

namespace
{

std::atomic<qint64> memoryLimit = std::numeric_limits<qint64>::max();
std::atomic<double> processorLimit = 0;

} // namespace

void prepare(qint64 memoryBytes)
{
    prepareSystem();
    std::thread watch([] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (ownMemory() > memoryLimit)
                std::_Exit(ExceededMemory);
            const double limit = processorLimit;
            if (limit > 0 && ownProcessorSeconds() >= limit)
                std::_Exit(ExceededProcessorTime);
        }
    });
    // Measured once the watch's own thread is there.
    memoryLimit = ownMemory() + memoryBytes;
    watch.detach();
}

void allowProcessorTimeFromNow(int seconds)
{
    processorLimit = ownProcessorSeconds() + seconds;
}

} // namespace helperSide

} // namespace platform
