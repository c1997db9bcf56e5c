#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace wizard
{

// How a control follows its parent when the parent is larger than its
// documented size: the shares of the extra width and height by which it
// moves and grows (0 stays, 1 follows the parent's right or bottom edge).
struct Growth {
    qreal moveX = 0;
    qreal moveY = 0;
    qreal growX = 0;
    qreal growY = 0;

    // A text's width: its own, or all the room to its right neighbour (the
    // next control on its row, else the parent's edge), or its own unless its
    // text needs more, as far as that room goes.
    enum class Width { Own, Room, OwnOrText };
    Width width = Width::Own;
};

// Lets a form of absolutely placed controls grow: each control followed keeps
// its documented place at the form's documented size (the form's minimum
// size), and at any larger size takes its place by its Growth rule.
//
// Rules over the forms' own pixel geometry rather than box layouts: a layout
// would place the controls by its own spacing and margins, and the documented
// pixels would be lost at the documented size.
class GrowingForm : public QObject
{
    Q_OBJECT

public:
    // The form's documented size is its minimum size (set to its present
    // size when it has none); a change of the minimum takes effect with the
    // next resize.
    explicit GrowingForm(QWidget* form);

    // Follows control with its present geometry as the documented one.
    // Parents are followed before their children.
    void follow(QWidget* control, Growth growth);
    // Places every control for the form's present size.
    void relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        QPointer<QWidget> control;
        QRect documented;
        Growth growth;
    };
    QSize documentedSize(const QWidget* parent) const;
    int roomRight(const QWidget* control) const;

    QWidget* m_form;
    QList<Rule> m_rules;
};

// Places the controls of the form that grows (it has a GrowingForm) for its
// present size and documented size: after its minimum size changed without a
// resize (the window manager told the frame's size only after the showing).
void relayoutGrowingForm(QWidget* form);

} // namespace wizard
