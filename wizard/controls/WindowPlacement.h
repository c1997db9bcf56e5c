#pragma once

#include <QRect>

class QWidget;

// Places a top-level window so that its frame is centred on the area.
void CentreOn(QWidget* window, const QRect& area);
