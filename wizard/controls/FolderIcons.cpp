#include "wizard/controls/FolderIcons.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace wizard
{

namespace
{

const QColor Outline(150, 110, 20);
const QColor Back(232, 188, 72);
const QColor Front(250, 214, 110);

// A folder on a 16-unit grid, drawn at the given side so it stays crisp at
// 16, 24 and 32 pixels.
QPixmap drawFolder(int side, bool open)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    QPen pen(Outline, 1.0);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);

    // The back with its tab.
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.0, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(14.5, 5.0);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    painter.setBrush(Back);
    painter.drawPath(back);

    // The front: flat when closed, tipped forward when open.
    QPainterPath front;
    if (open) {
        front.moveTo(3.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.moveTo(1.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(14.5, 13.5);
        front.lineTo(1.5, 13.5);
    }
    front.closeSubpath();
    painter.setBrush(Front);
    painter.drawPath(front);
    return pixmap;
}

QIcon folderIcon(bool open)
{
    QIcon icon;
    for (const int side : {16, 24, 32})
        icon.addPixmap(drawFolder(side, open));
    return icon;
}

} // namespace

const QIcon& openFolderIcon()
{
    static const QIcon icon = folderIcon(true);
    return icon;
}

const QIcon& closedFolderIcon()
{
    static const QIcon icon = folderIcon(false);
    return icon;
}

} // namespace wizard
