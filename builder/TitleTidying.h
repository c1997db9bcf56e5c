#pragma once

#include <QString>

namespace builder
{

// A title made from a rom's file name, as a menu would rather show it: the
// rom or archive extension (.nes, .zip, .7z, .gz, .nes.gz) and the bracketed
// tags of dumps and regions ("(USA)", "(Europe) (Rev 1)", "[!]", "[b1]")
// left out, blanks tidied. A name that would be left with nothing keeps what
// it has without its extension.
QString tidyTitle(const QString& fileName);

} // namespace builder
