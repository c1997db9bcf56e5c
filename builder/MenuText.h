#pragma once

#include <QStringView>

namespace builder
{

// What a menu title or a menu field may not hold, whoever gives it (a
// compilation file, a menu file, the titles page): the menu script keeps one
// menu line a line and the emulator shows the text as it is.
enum class MenuTextFault {
    None,
    // CR, LF, U+0085, U+2028 or U+2029: the line would end there for some readers.
    LineBreak,
    // Any other control character: C0 (tab and NUL too), DEL, C1, and the
    // marks that turn the text around it (bidirectional embeddings, overrides
    // and isolates), which would show a title as another.
    ControlCharacter,
    // A "|" in a menu field, which would split it in two. A title may hold
    // one: what follows it is still the title (Compilation keeps fields apart).
    FieldSeparator,
};

enum class MenuTextPart { Title, Field };

// The first fault of the text as the given part of a menu line, or None.
MenuTextFault menuTextFault(QStringView text, MenuTextPart part);

} // namespace builder
