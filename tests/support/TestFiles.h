#pragma once

// Small helpers that make and read the files a test needs, in a QTemporaryDir.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace testfiles
{

// Writes bytes to dir/name, replacing the file; returns the full path.
inline QString makeFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Bytes 0, 1, 2, ... 250, 0, 1, ... seeded so two files differ.
inline QByteArray patternBytes(qint64 size, int seed = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i + seed) % 251);
    return bytes;
}

// An iNES rom: "NES\x1A", the two bank counts, ten more header bytes, then a
// body of bodySize pattern bytes (which may differ from what the header declares).
inline QByteArray makeRom(int prgBanks, int chrBanks, qint64 bodySize, int seed = 0)
{
    QByteArray rom("NES\x1a", 4);
    rom.append(char(prgBanks));
    rom.append(char(chrBanks));
    rom.append(QByteArray(10, '\0'));
    rom.append(patternBytes(bodySize, seed));
    return rom;
}

// The rom with its two bank counts replaced, as a header repair leaves it
// (a file too short for a count byte keeps its length).
inline QByteArray withCounts(QByteArray rom, int prgBanks, int chrBanks)
{
    if (rom.size() > 4)
        rom[4] = char(prgBanks);
    if (rom.size() > 5)
        rom[5] = char(chrBanks);
    return rom;
}

} // namespace testfiles
