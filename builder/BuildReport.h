#pragma once

#include <QStringList>

namespace builder
{

// What a rom's turn in a build did with it.
enum class RomFate {
    Whole,    // appended as it is
    Cut,      // longer than its header declares: cut to that length
    Repaired, // shorter: its bank counts repaired (in the file, or in the image alone)
};

// What a written build did: how many roms went in whole, cut and repaired,
// and this build's log messages (the log's message lines, in order).
struct BuildReport {
    int whole = 0;
    int cut = 0;
    int repaired = 0;
    QStringList logMessages;

    void count(RomFate fate)
    {
        switch (fate) {
        case RomFate::Whole:
            ++whole;
            break;
        case RomFate::Cut:
            ++cut;
            break;
        case RomFate::Repaired:
            ++repaired;
            break;
        }
    }
};

} // namespace builder
