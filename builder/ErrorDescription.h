#pragma once

#include <QString>

namespace builder
{

// The wizard's clauses (a problem, an error) made sentences of their own.

// A sentence of its own: a plain first word capitalised, a closing full stop
// where it ends without one ("." "!" "?").
QString asSentence(QString text);
// A plain first word capitalised (a name such as "bad.zip" or a path keeps its case).
QString capitalised(QString text);
QString withFullStop(QString text);

} // namespace builder
