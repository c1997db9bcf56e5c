#pragma once

#include <QProxyStyle>

namespace wizard
{

// The look the pixel layout of the forms was made for, over the desktop's own
// style: a group box carries its caption in the top line of its frame, not
// above it (so the frame begins half a caption high, not a caption and a gap
// lower), and a push button keeps its caption clear of its edges.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // The one instance, over the application's style as it is at first use.
    static FormStyle* instance();

    // Space kept free between a button's caption and each of its side edges.
    static constexpr int ButtonCaptionMargin = 2;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    explicit FormStyle(QStyle* base);
};

} // namespace wizard
