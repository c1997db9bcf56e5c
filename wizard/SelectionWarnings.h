#pragma once

#include "builder/ImageSurvey.h"

#include <QString>

#include <optional>

class QLabel;

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

// The warning the selection shows for a rom (its icon, tooltip and
// accessible description): why it cannot be read (missing, locked, no access,
// not a regular file, an archive that gives no rom), that it is readable but
// no iNES rom, or the caller's own warning (a rom changed since its
// compilation was saved); nothing for a rom that needs none.
QString romWarning(const builder::RomSurvey& rom, const QString& otherWarning);

} // namespace wizard
