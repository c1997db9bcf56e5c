#pragma once

#include <QString>

namespace builder
{

// The description of a lower layer's error (a file error, an archive that
// gives no rom: "Cannot open file ...", "Bad.zip holds 2 NES roms; ...") as
// the front ends put it into their sentences, until those layers report kinds
// of their own.

// Made to follow a colon or a program's name: the first letter of a plain
// first word lowered ("Cannot open file ..." gives "cannot open file ...",
// where a name such as "Bad.zip" keeps its case), no closing full stop.
QString asClause(QString text);

// A sentence of its own: a plain first word capitalised, a closing full stop
// where it ends without one ("." "!" "?").
QString asSentence(QString text);
QString withFullStop(QString text);

} // namespace builder
