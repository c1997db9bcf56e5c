#pragma once

class QIcon;

namespace wizard
{

// The directory lists' two folder pictures, drawn by the program itself: the
// style's own would be looked up in the desktop's icon theme, which costs more
// at start-up than the whole list. Each is made once per program run.
const QIcon& openFolderIcon();
const QIcon& closedFolderIcon();

} // namespace wizard
