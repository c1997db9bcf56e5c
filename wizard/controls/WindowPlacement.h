#pragma once

#include <QRect>

class QWidget;

namespace wizard
{

// Places a top-level window so that its frame is centred on the area.
void centreOn(QWidget* window, const QRect& area);

} // namespace wizard
