#pragma once

#include "builder/ImageSurvey.h"

#include <QList>
#include <QString>

#include <functional>

namespace builder
{

class Compilation;

// How a compilation fills a GBA cartridge: the base rom and the menu script
// first, then each rom as the build will append it, in menu order. The
// figures are the build's own (the survey's appended lengths), so the
// picture shows what the GBA rom will hold.
struct CartridgeLayout {
    struct Rom {
        enum class Fate {
            Whole,      // appended as it is
            Cut,        // longer than its header declares: cut to that length
            Repaired,   // shorter: its header's counts are repaired
            Unreadable, // cannot be read (or an archive that gives no rom): no length
        };
        QString title;
        qint64 length = 0; // as appended
        Fate fate = Fate::Whole;
    };

    qint64 headLength = 0; // the base rom and the menu script
    QList<Rom> roms;       // in menu order

    qint64 usedLength() const;
    bool fits() const { return usedLength() <= gba::CartridgeCapacity; }
};

// The layout of the compilation with a base rom of baseRomLength bytes; survey
// gives each rom's survey by its file name.
CartridgeLayout cartridgeLayout(const Compilation& compilation, qint64 baseRomLength,
                                const std::function<RomSurvey(const QString& fileName)>& survey);

} // namespace builder
