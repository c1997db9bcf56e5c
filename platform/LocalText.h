#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform
{

// Texts that the program's files hold as single-byte strings in the system's
// 8-bit encoding (the ANSI code page on Windows, UTF-8 elsewhere): titles and
// option descriptions in the settings file, the lines of a menu file, the
// menu script. Qt's own conversion turns bytes the encoding does not know
// into U+FFFD, so they would come back as other bytes. This one keeps every
// byte: a byte that is not part of a character becomes one of the code points
// U+DC80..U+DCFF, which no encoding produces, and turns back into that byte.

QString localText(QByteArrayView bytes);
QByteArray localBytes(const QString& text);

} // namespace platform
