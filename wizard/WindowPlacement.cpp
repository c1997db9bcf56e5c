#include "WindowPlacement.h"

#include <QGroupBox>

void CentreOn(QWidget* window, const QRect& area)
{
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

void BoldCaptionOnly(QGroupBox* group)
{
    const QFont plain = group->font();
    QFont bold = plain;
    bold.setBold(true);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Controls whose own font asks for a weight (bold buttons, bold labels) keep it.
        if (child->font().resolveMask() & QFont::WeightResolved)
            continue;
        QFont childFont = child->font();
        childFont.setBold(false);
        child->setFont(childFont);
    }
    group->setFont(bold);
}
