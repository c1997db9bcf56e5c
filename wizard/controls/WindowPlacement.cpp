#include "wizard/controls/WindowPlacement.h"

#include <QWidget>

namespace wizard
{

void centreOn(QWidget* window, const QRect& area)
{
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

} // namespace wizard
