#include "wizard/controls/GrowingForm.h"

#include <QEvent>
#include <QWidget>

namespace wizard
{

namespace
{

// A text keeps this far from its right neighbour and from its parent's edge
// (clear of a group box's frame lines).
constexpr int TextGap = 8;

int share(qreal part, int extra)
{
    return qRound(part * extra);
}

} // namespace

GrowingForm::GrowingForm(QWidget* form) : QObject(form), m_form(form)
{
    if (form->minimumSize().isNull())
        form->setMinimumSize(form->size());
    form->installEventFilter(this);
}

void GrowingForm::follow(QWidget* control, Growth growth)
{
    m_rules.append({control, control->geometry(), growth});
}

QSize GrowingForm::documentedSize(const QWidget* parent) const
{
    if (parent == m_form)
        return m_form->minimumSize();
    for (const Rule& rule : m_rules) {
        if (rule.control == parent)
            return rule.documented.size();
    }
    return parent->size();
}

int GrowingForm::roomRight(const QWidget* control) const
{
    const QWidget* parent = control->parentWidget();
    const QRect own = control->geometry();
    int right = parent->width() - TextGap;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == control || sibling->isWindow())
            continue;
        // Hidden neighbours count too: the text does not jump when they show.
        const QRect place = sibling->geometry();
        const bool sameRow = place.top() <= own.bottom() && own.top() <= place.bottom();
        if (sameRow && place.left() > own.left())
            right = qMin(right, place.left() - TextGap);
    }
    return right;
}

void GrowingForm::relayout()
{
    // Edges rather than sizes are moved, so two controls whose edges follow
    // the same share never drift apart or into each other by rounding.
    for (const Rule& rule : std::as_const(m_rules)) {
        if (!rule.control)
            continue;
        QWidget* parent = rule.control->parentWidget();
        const QSize extra = (parent->size() - documentedSize(parent)).expandedTo(QSize(0, 0));
        const Growth& g = rule.growth;
        const QRect& d = rule.documented;
        const int left = d.left() + share(g.moveX, extra.width());
        const int top = d.top() + share(g.moveY, extra.height());
        const int right = d.left() + d.width() + share(g.moveX + g.growX, extra.width());
        const int bottom = d.top() + d.height() + share(g.moveY + g.growY, extra.height());
        rule.control->setGeometry(left, top, right - left, bottom - top);
    }
    // Then the texts, once every neighbour stands where it goes.
    for (const Rule& rule : std::as_const(m_rules)) {
        if (!rule.control || rule.growth.width == Growth::Width::Own)
            continue;
        QWidget* control = rule.control;
        const int room = qMax(0, roomRight(control) - control->x());
        int width = room;
        if (rule.growth.width == Growth::Width::OwnOrText)
            width = qMax(control->width(), qMin(control->sizeHint().width(), room));
        control->resize(width, control->height());
    }
}

bool GrowingForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form && event->type() == QEvent::Resize)
        relayout();
    return QObject::eventFilter(watched, event);
}

void relayoutGrowingForm(QWidget* form)
{
    if (auto* growing = form->findChild<GrowingForm*>(QString(), Qt::FindDirectChildrenOnly))
        growing->relayout();
}

} // namespace wizard
