#pragma once

#include <QString>

namespace wizard
{

// A tooltip showing text as it stands. Qt takes a tooltip that looks like
// markup for rich text: a file named "<img src=…>.nes" would be drawn as a
// picture. Names come from the disk, from archives and compilation files.
QString plainToolTip(const QString& text);

// A menu caption showing a name as it stands: "&" in a name is no mnemonic.
QString plainCaption(QString text);

} // namespace wizard
