#pragma once

#include <QList>
#include <QString>

namespace builder
{

// Date and time pictures as both Qt's formats and the Windows settings write
// them: letters for fields, quotes around literal text, two quotes in a row
// for one quote. The build log takes its date form from either.
namespace datepicture
{

struct FormatPiece {
    enum Kind { Field, Literal, QuotedLiteral } kind;
    QString text;
};

// A picture split into its fields (a run of one letter, such as "dd" or "AP")
// and the literal text between them.
QList<FormatPiece> splitFormat(const QString& format);

// The text as a quoted literal of a picture.
QString quoted(const QString& text);

} // namespace datepicture

} // namespace builder
