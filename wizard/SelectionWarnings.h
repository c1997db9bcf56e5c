#pragma once

#include "builder/ImageSurvey.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace wizard
{

// Page 1's warnings about a selection that would surprise at the write.

// The size label in red, with a tooltip and accessible description, while its
// estimate is more than a GBA cartridge holds; in its normal look otherwise
// (no estimate: the default form or a failed estimate). The text is the
// caller's and stays as it is. True when the label warns.
bool markOversizeEstimate(QLabel* sizeLabel, std::optional<qint64> estimateKB);

// Why a rom cannot be read, in a short sentence (missing, locked, no access,
// not a regular file, an archive that gives no rom, the system's reason);
// nothing when it can.
QString unreadableReason(const builder::RomSurvey& rom);

// Marks each entry added to the selected-roms list whose file cannot be read,
// is readable but is not an iNES rom, or is an archive that gives no rom
// (none, several, encrypted, damaged, not readable), or that the caller has a
// warning of its own for (otherWarning: a rom changed since a compilation
// was saved): a warning icon, a tooltip and an accessible description saying
// which (a file that cannot be read: missing, locked, no access, not a
// regular file). The entry's text is not changed, and every entry keeps the
// icon's room, so the names stay in line. romsDirectory gives the directory
// the entries lie in at the moment they are added; the roms are measured
// through surveys, which the estimate then takes without reading them again.
class NonRomMarker : public QObject
{
    Q_OBJECT

public:
    // survey: a rom's survey by its path, nothing while it is still measured
    // (the entry is marked by remark() once it is).
    using Survey = std::function<std::optional<builder::RomSurvey>(const QString& path)>;
    NonRomMarker(QListWidget* list, Survey survey, std::function<QString()> romsDirectory,
                 std::function<QString(const QString& fileName)> otherWarning = {});

    // Marks the entries anew from their roms as last surveyed, by file name,
    // without reading them again: a rom that can no longer be read is marked,
    // one that can again loses that mark. Entries without a survey stay as
    // they are; the caller's own warning is the one found when the entry came.
    void remark(const QHash<QString, builder::RomSurvey>& surveys);

private:
    void markRows(int first, int last);
    void mark(QListWidgetItem* entry, const builder::RomSurvey& rom);

    QListWidget* m_list;
    Survey m_survey;
    std::function<QString()> m_romsDirectory;
    std::function<QString(const QString& fileName)> m_otherWarning;
    QIcon m_warningIcon; // fetched at the first mark, then shared by every marked entry
};

} // namespace wizard
