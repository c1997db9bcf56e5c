#include "builder/HeaderRepair.h"

#include "builder/Rounding.h"

#include <algorithm>

namespace builder
{

namespace
{

quint8 roundedCount(double value)
{
    // The precondition keeps the value within a byte; the bound guards misuse.
    return quint8(std::clamp<std::int64_t>(roundHalfEven(value), 0, 255));
}

} // namespace

qint64 declaredRomLength(int prgCount, int chrCount)
{
    return qint64(prgCount) * ines::PrgBankSize + qint64(chrCount) * ines::ChrBankSize +
           ines::HeaderSize;
}

HeaderRepair computeHeaderRepair(int prgCount, int chrCount, qint64 fileLength)
{
    // Dividing by powers of two is exact in double precision, so a half below
    // is an exact tie and rounds to even.
    const double bodyKB = double(fileLength - ines::HeaderSize) / 1024.0;
    const double prgKB = prgCount * 16.0;
    if (prgCount == 0 || chrCount == 0 || prgKB > bodyKB)
        return {roundedCount(bodyKB / 16.0), 0};
    if (prgKB == bodyKB)
        return {std::nullopt, 0};
    return {std::nullopt, roundedCount((bodyKB - prgKB) / 8.0)};
}

} // namespace builder
