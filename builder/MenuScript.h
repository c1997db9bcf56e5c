#pragma once

#include <QString>
#include <QStringList>

// A menu line: title text, optionally "|" flag sum, optionally "|" sprite value.

QString ApplyOptionFlags(const QString& line, const QString& previewLine, qint32 flagSum);
QString ApplySpriteValue(const QString& line, const QString& spriteValue);
QString ResetMenuLine(const QString& previewLine);

// Writes programDirectory + "menu.out": each line in the local 8-bit encoding
// followed by CR LF. Throws FileError on any failure.
void WriteMenuScript(const QString& programDirectory, const QStringList& lines);
