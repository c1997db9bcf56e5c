#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace builder
{

// A menu line: title text, optionally "|" flag sum, optionally "|" sprite value.

QString ApplyOptionFlags(const QString& line, const QString& previewLine, qint32 flagSum);
QString ApplySpriteValue(const QString& line, const QString& spriteValue);
QString ResetMenuLine(const QString& previewLine);

// Writes the menu script at path anew: each line's bytes in the local 8-bit
// encoding (platform::localBytes: bytes read from a file come back unchanged)
// followed by CR LF. Throws FileError on any failure.
void WriteMenuScript(const QString& path, const QStringList& lines);

// The rom whose menu line holds a line break (its file name, the breaks spelt
// out as \n and \r, so it reads on one line), or nothing when none does: a
// line holding CR or LF would become two menu lines for one rom, and every
// menu line after it would belong to the wrong rom. romFileNames (menu order)
// name the rom of each line.
std::optional<QString> romWithLineBreak(const QStringList& lines, const QStringList& romFileNames);

} // namespace builder
