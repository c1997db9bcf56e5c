#pragma once

// A rom for the archive benchmarks: prgBanks program banks of 16 KiB, half of
// each 4 KiB block noise, half a repeated pattern, which deflates to about
// half, as roms do.

#include <QByteArray>

inline QByteArray makeCompressibleRom(int prgBanks, int seed)
{
    QByteArray rom("NES\x1a", 4);
    rom.append(char(prgBanks));
    rom.append(QByteArray(11, '\0'));
    quint32 state = 2463534242u + quint32(seed);
    for (qint64 i = 0; i < qint64(prgBanks) * 16384; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        rom.append((i / 2048) % 2 ? char(state) : char((i * 7 + seed) % 251));
    }
    return rom;
}
