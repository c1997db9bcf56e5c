#include "wizard/SelectionWarnings.h"

#include "builder/ImageSurvey.h"
#include "wizard/MessageTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>

namespace wizard
{

namespace
{

QString text(const char* source)
{
    return QCoreApplication::translate("wizard::SelectionWarnings", source);
}

QString oversizeText()
{
    return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                  "More than a GBA cartridge holds (%1 KB)"))
        .arg(builder::gba::CartridgeCapacityKB);
}

} // namespace

QString unreadableReason(const builder::RomSurvey& rom)
{
    if (rom.readable)
        return QString();
    if (const builder::ArchiveError* archive = rom.badArchive())
        return archiveMark(*archive);
    if (rom.notAFile)
        return text(
            QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                              "Not a regular file: a folder, a device, a pipe or a socket"));
    switch (rom.failure) {
    case platform::FileFailure::Missing:
        return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                      "Missing: the file was moved, renamed or deleted"));
    case platform::FileFailure::InUse:
        return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                      "Locked: another program has the file open"));
    case platform::FileFailure::AccessDenied:
        return text(
            QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "No access: you may not read the file"));
    case platform::FileFailure::Other:
        break;
    }
    // The system's reason in the user's language where the survey kept it.
    return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "Cannot be read: %1"))
        .arg(rom.error ? errorSentence(*rom.error) : rom.problem);
}

bool markOversizeEstimate(QLabel* sizeLabel, std::optional<qint64> estimateKB)
{
    const bool oversize = estimateKB && *estimateKB > builder::gba::CartridgeCapacityKB;
    if (oversize) {
        QPalette palette = sizeLabel->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        sizeLabel->setPalette(palette);
    } else {
        sizeLabel->setPalette(QPalette()); // back to the window's own colours
    }
    const QString why = oversize ? oversizeText() : QString();
    sizeLabel->setToolTip(why);
    sizeLabel->setAccessibleDescription(why);
    return oversize;
}

QString romWarning(const builder::RomSurvey& rom, const QString& otherWarning)
{
    QString why = unreadableReason(rom);
    if (why.isEmpty() && !rom.ines)
        why = text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "Not an iNES rom"));
    return why.isEmpty() ? otherWarning : why;
}

} // namespace wizard
