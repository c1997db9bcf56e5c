#include "wizard/controls/FormStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace wizard
{

namespace
{

// The caption begins this far from the group box's left edge, and the frame
// is cleared one pixel either side of it, as the classic Windows group box has it.
constexpr int CaptionLeft = 7;
constexpr int CaptionClearance = 1;
// The etched frame: a shadow line with a light line beside it.
constexpr int FrameLineWidth = 2;

bool isPlainGroupBox(const QStyleOptionComplex* option)
{
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    return group && !(group->subControls & QStyle::SC_GroupBoxCheckBox);
}

int captionHeight(const QStyleOptionGroupBox* group)
{
    return group->text.isEmpty() ? 0 : group->fontMetrics.height();
}

// The caption's font, squeezed by just enough letter spacing to leave the
// margin free on both sides where the face is wider than the one the button
// sizes were chosen for.
QFont fittedCaptionFont(const QFont& font, const QString& text, int room)
{
    QFont fitted = font;
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width <= room || text.size() < 2)
        return fitted;
    qreal spacing = -std::ceil(10.0 * (width - room) / text.size()) / 10.0;
    // A tenth of a pixel more at a time: rounding of the advances may eat a step.
    for (int tries = 0; tries < 20; ++tries, spacing -= 0.1) {
        fitted.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        if (QFontMetrics(fitted).horizontalAdvance(text) <= room)
            break;
    }
    return fitted;
}

} // namespace

FormStyle::FormStyle(QStyle* base) : QProxyStyle(base) {}

FormStyle* FormStyle::instance()
{
    static FormStyle* style = [] {
        auto* made = new FormStyle(QStyleFactory::create(QApplication::style()->name()));
        made->setParent(qApp); // goes with the application
        return made;
    }();
    return style;
}

QRect FormStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl subControl, const QWidget* widget) const
{
    if (control != CC_GroupBox || !isPlainGroupBox(option))
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect area = group->rect;
    const int textHeight = captionHeight(group);
    // The frame's top line runs through the middle of the caption.
    const int frameTop = textHeight / 2;
    switch (subControl) {
    case SC_GroupBoxFrame:
        return area.adjusted(0, frameTop, 0, 0);
    case SC_GroupBoxLabel: {
        const int textWidth = group->fontMetrics.horizontalAdvance(group->text);
        return QRect(area.left() + CaptionLeft, area.top(), textWidth, textHeight);
    }
    case SC_GroupBoxContents:
        return area.adjusted(FrameLineWidth, qMax(textHeight, frameTop + FrameLineWidth),
                             -FrameLineWidth, -FrameLineWidth);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const
{
    if (control != CC_GroupBox || !isPlainGroupBox(option)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);

    painter->save();
    QRegion outsideCaption(group->rect);
    if (!group->text.isEmpty())
        outsideCaption -= caption.adjusted(-CaptionClearance, 0, CaptionClearance, 0);
    painter->setClipRegion(outsideCaption);
    const QRect outer = frame.adjusted(0, 0, -1, -1);
    painter->setPen(group->palette.color(QPalette::Dark));
    painter->drawRect(outer.adjusted(0, 0, -1, -1));
    painter->setPen(group->palette.color(QPalette::Light));
    painter->drawRect(outer.adjusted(1, 1, 0, 0));
    painter->restore();

    if (!group->text.isEmpty())
        proxy()->drawItemText(
            painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextHideMnemonic,
            group->palette, group->state & State_Enabled, group->text, QPalette::WindowText);
}

void FormStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButtonLabel || !button || button->text.isEmpty() ||
        !button->icon.isNull()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The label's area lies inside the button's frame line; the caption keeps
    // the margin from that line.
    QStyleOptionButton label = *button;
    label.rect.adjust(ButtonCaptionMargin, 0, -ButtonCaptionMargin, 0);
    painter->save();
    painter->setFont(fittedCaptionFont(painter->font(), label.text, label.rect.width()));
    QProxyStyle::drawControl(element, &label, painter, widget);
    painter->restore();
}

} // namespace wizard
