#pragma once

namespace wizard
{

// Makes the program's windows known to assistive technologies as windows,
// named by their captions (a window made from a plain widget is otherwise a
// nameless filler), its drive and filter selectors as combo boxes named by
// their accessible names, its status labels as notifications and its
// decorative labels as nothing to read. Call before the windows are created.
void installAccessibleForms();

} // namespace wizard
