#pragma once

class QWidget;

namespace wizard
{

// Lets the main window grow from its documented size: the page captions fill
// it, the lists take the room, buttons keep their size and stay at the
// bottom, arrows beside the list they point at, texts take the room to their
// neighbour. Call once its controls exist, at the documented size.
void growWithWindow(QWidget* mainWindow);

} // namespace wizard
