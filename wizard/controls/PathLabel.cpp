#include "wizard/controls/PathLabel.h"

#include "wizard/controls/PlainText.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace wizard
{

void PathLabel::setText(const QString& text)
{
    QLabel::setText(text);
    showWholeTextInToolTip();
}

QString PathLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showWholeTextInToolTip();
}

void PathLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showWholeTextInToolTip();
}

void PathLabel::showWholeTextInToolTip()
{
    setToolTip(shownText() == text() ? QString() : plainToolTip(text()));
}

} // namespace wizard
