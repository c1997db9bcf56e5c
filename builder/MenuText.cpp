#include "builder/MenuText.h"

namespace builder
{

MenuTextFault menuTextFault(QStringView text, MenuTextPart part)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\r' || code == u'\n' || code == 0x85 || code == 0x2028 || code == 0x2029)
            return MenuTextFault::LineBreak;
        if (code < 0x20 || (code >= 0x7f && code <= 0x9f) || (code >= 0x202a && code <= 0x202e) ||
            (code >= 0x2066 && code <= 0x2069))
            return MenuTextFault::ControlCharacter;
        if (code == u'|' && part == MenuTextPart::Field)
            return MenuTextFault::FieldSeparator;
    }
    return MenuTextFault::None;
}

} // namespace builder
