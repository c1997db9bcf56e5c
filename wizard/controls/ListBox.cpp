#include "wizard/controls/ListBox.h"

#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>

namespace wizard
{

QRect ListBox::visualRect(const QModelIndex& index) const
{
    return isVisible() ? QListWidget::visualRect(index) : QRect();
}

void ListBox::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    paintFocusOfList(this);
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

QRect ListView::visualRect(const QModelIndex& index) const
{
    return isVisible() ? QListView::visualRect(index) : QRect();
}

void ListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    paintFocusOfList(this);
}

void ListView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    viewport()->update();
}

void ListView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

void paintFocusOfList(QAbstractItemView* list)
{
    if (!list->hasFocus())
        return;
    QPainter painter(list->viewport());
    const QRect inside = list->viewport()->rect();
    // An empty list has no entry to show the focus on: its frame does. A list
    // whose current entry is selected shows that entry highlighted whether it
    // has the focus or not: a frame in the highlight's colour tells.
    if (!list->model() || list->model()->rowCount(list->rootIndex()) == 0) {
        QStyleOptionFocusRect focus;
        focus.initFrom(list->viewport());
        focus.rect = inside.adjusted(1, 1, -1, -1);
        focus.backgroundColor = list->palette().color(QPalette::Base);
        list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, list);
        return;
    }
    painter.setPen(list->palette().color(QPalette::Highlight));
    painter.drawRect(inside.adjusted(0, 0, -1, -1));
}

PopupListView::PopupListView(QComboBox* selector) : QListView(selector), m_selector(selector) {}

QRect PopupListView::visualRect(const QModelIndex& index) const
{
    const QRect place = QListView::visualRect(index);
    if (isVisible() || place.isNull())
        return place;
    // Closed, an entry keeps its size and height, by which the selector
    // measures and places the list before it opens it, but lies left of the
    // list, off it.
    return QRect(QPoint(-place.width() - viewport()->x() - 1, place.y()), place.size());
}

void PopupListView::paintEvent(QPaintEvent* event)
{
    QStyleOptionComboBox selectorOption;
    selectorOption.initFrom(m_selector);
    if (m_selector->style()->styleHint(QStyle::SH_ComboBox_Popup, &selectorOption, m_selector)) {
        QStyleOptionMenuItem panel;
        panel.initFrom(this);
        panel.palette = palette();
        panel.state = QStyle::State_None;
        panel.checkType = QStyleOptionMenuItem::NotCheckable;
        panel.menuRect = event->rect();
        panel.maxIconWidth = 0;
        panel.reservedShortcutWidth = 0;
        QPainter painter(viewport());
        m_selector->style()->drawControl(QStyle::CE_MenuEmptyArea, &panel, &painter, this);
    }
    QListView::paintEvent(event);
}

void PopupListView::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListView::initViewItemOption(option);
    option->showDecorationSelected = true;
    option->font = m_selector->font();
}

void usePopupListView(QComboBox* selector)
{
    // The delegate draws the entries as the desktop style wants them in the
    // popup; it would go with the old view, so it is kept and handed over.
    QAbstractItemDelegate* entryLook = selector->itemDelegate();
    entryLook->setParent(selector);
    selector->setView(new PopupListView(selector));
    selector->setItemDelegate(entryLook);
}

void fitPopupToEntries(QComboBox* selector)
{
    QAbstractItemView* list = selector->view();
    // The entries' own size hint need not measure the text (a style may draw
    // them as menu items of the list's width): the text is measured here.
    const QFontMetrics metrics(selector->font());
    const int textMargin =
        selector->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    int widest = list->sizeHintForColumn(selector->modelColumn());
    for (int row = 0; row < selector->count(); ++row)
        widest = qMax(widest, metrics.horizontalAdvance(selector->itemText(row)) + 2 * textMargin);
    int width = widest + 2 * list->frameWidth();
    if (selector->count() > selector->maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    // The selector shows the list in a frame of its own, which keeps it on the screen.
    list->setMinimumWidth(width);
}

} // namespace wizard
