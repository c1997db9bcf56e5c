#include "builder/CartridgeLayout.h"

#include "builder/Compilation.h"

namespace builder
{

qint64 CartridgeLayout::usedLength() const
{
    qint64 used = headLength;
    for (const Rom& rom : roms)
        used += rom.length;
    return used;
}

CartridgeLayout cartridgeLayout(const Compilation& compilation, qint64 baseRomLength,
                                const std::function<RomSurvey(const QString& fileName)>& survey)
{
    using Fate = CartridgeLayout::Rom::Fate;
    CartridgeLayout layout;
    layout.headLength = baseRomLength + menuScriptLength(compilation.menuLines());
    for (qsizetype position = 0; position < compilation.menuSize(); ++position) {
        const CompilationRom& rom = compilation.menuRom(position);
        const RomSurvey measured = survey(rom.fileName);
        CartridgeLayout::Rom segment{rom.title.isNull() ? rom.fileName : rom.title,
                                     measured.appendedLength, Fate::Whole};
        if (!measured.readable)
            segment.fate = Fate::Unreadable;
        else if (measured.length > measured.declaredLength)
            segment.fate = Fate::Cut;
        else if (measured.length < measured.declaredLength)
            segment.fate = Fate::Repaired;
        layout.roms.append(segment);
    }
    return layout;
}

} // namespace builder
