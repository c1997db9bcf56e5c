#include "wizard/controls/FormLook.h"

#include "wizard/controls/FormStyle.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace wizard
{

QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void applyFormLook(QWidget* window)
{
    window->setFont(formFont());
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        boldCaptionOnly(group);
        group->setStyle(FormStyle::instance());
    }
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setStyle(FormStyle::instance());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->pixmap().isNull())
            label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
    }
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
}

void boldCaptionOnly(QGroupBox* group)
{
    QFont bold = group->font();
    bold.setBold(true);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Controls whose own font asks for a weight (bold buttons, bold labels) keep it.
        if (child->font().resolveMask() & QFont::WeightResolved)
            continue;
        QFont plain = child->font();
        plain.setBold(false);
        child->setFont(plain);
    }
    group->setFont(bold);
}

} // namespace wizard
