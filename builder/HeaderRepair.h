#pragma once

#include <QtGlobal>

#include <optional>

namespace builder
{

// The parts of an iNES header that the size check reads: the 16-byte header
// itself and the two bank counts at offsets 4 and 5.
namespace ines
{
constexpr qint64 HeaderSize = 16;
constexpr qint64 PrgCountOffset = 4;
constexpr qint64 ChrCountOffset = 5;
constexpr qint64 PrgBankSize = 16384;
constexpr qint64 ChrBankSize = 8192;
} // namespace ines

// The length a rom's header declares: its program and character banks plus the header.
qint64 declaredRomLength(int prgCount, int chrCount);

// New bank counts for a rom shorter than its header declares.
struct HeaderRepair {
    std::optional<quint8> prgCount; // byte 4, rewritten only when set
    quint8 chrCount = 0;            // byte 5, always rewritten
    bool operator==(const HeaderRepair&) const = default;
};

// Recomputes the bank counts from the file's real length. Meant for a file
// shorter than declaredRomLength(prgCount, chrCount); the counts are then
// always within 0..255.
HeaderRepair computeHeaderRepair(int prgCount, int chrCount, qint64 fileLength);

} // namespace builder
