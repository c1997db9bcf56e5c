#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace wizard
{

// Places a top-level window so that its frame is centred on the area.
void centreOn(QWidget* window, const QRect& area);

// Calls then after the window's first painting, which follows its mapping,
// and once more if the window system tells the window's frame only later (a
// window manager may frame a window after it first painted it; Qt learns the
// frame only from then on). Without a frame (offscreen) it is called once.
void whenFrameKnown(QWidget* window, std::function<void()> then);

// Makes outer the window's smallest outer size (frame included), with the
// frame as the window system tells it now.
void setMinimumOuterSize(QWidget* window, const QSize& outer);
// Gives the window the size inner (inside its frame), kept between its
// minimum size and its screen's available area.
void resizeOnScreen(QWidget* window, const QSize& inner);

} // namespace wizard
