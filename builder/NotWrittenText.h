#pragma once

#include <QString>
#include <QStringList>

#include <limits>

namespace builder
{

// The words for a build that wrote no GBA rom, in one place for the wizard's
// warnings and the command line's messages.

// A refused build: "The GBA rom was not written: " and its problem in the
// same sentence, or its problems one per line, the first shownAtMost of them
// and "and N more." for the rest.
QString notWrittenText(const QStringList& problems,
                       qsizetype shownAtMost = std::numeric_limits<qsizetype>::max());

// A failed build: "The GBA rom was not written: " and the failure's
// description, then what became of the output: "<output> is unchanged." where
// there was one, else "Nothing was written to <output>.".
QString failedBuildText(const QString& failure, const QString& outputPath, bool outputExisted);

// A sentence made to follow a colon or a program's name: the first letter of
// a plain first word lowered ("Cannot open file ..." gives "cannot open file
// ...", where a name such as "Bad.zip" keeps its case), no closing full stop.
QString asClause(QString text);

} // namespace builder
