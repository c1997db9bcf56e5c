#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

// Places a top-level window so that its frame is centred on the area.
void CentreOn(QWidget* window, const QRect& area);

// Shows a group box's caption in bold while its controls keep the ordinary
// face (a widget's font otherwise passes on to every child).
void BoldCaptionOnly(QGroupBox* group);
