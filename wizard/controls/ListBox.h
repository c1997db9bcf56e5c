#pragma once

#include <QListView>
#include <QListWidget>

class QComboBox;

namespace wizard
{

// The list box of the forms: a list widget whose entries have no place on the
// screen while the list is not shown. Assistive technologies ask the view for
// an entry's place to tell whether it is showing; a list on a hidden page
// would otherwise answer with the place of the page that lies over it.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    QRect visualRect(const QModelIndex& index) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The same list box as a view of a model the window gives it.
class ListView : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

    QRect visualRect(const QModelIndex& index) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A list with the keyboard's focus shows it on its frame, also when it has no
// entry to show it on, or when its current entry looks the same either way.
void paintFocusOfList(QAbstractItemView* list);

// The same for the list a selector (combo box) pops up: while it is closed,
// its entries are not showing.
class PopupListView : public QListView
{
    Q_OBJECT

public:
    explicit PopupListView(QComboBox* selector);

    QRect visualRect(const QModelIndex& index) const override;

protected:
    // As the selector's own list: on a menu's panel where the style shows the
    // list as a menu, in the selector's font.
    void paintEvent(QPaintEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;

private:
    QComboBox* m_selector;
};

// Gives the selector a PopupListView; its entries keep their look.
void usePopupListView(QComboBox* selector);
// Makes the list the selector pops up at least as wide as its longest entry
// (it is never narrower than the selector); call before it opens.
void fitPopupToEntries(QComboBox* selector);

} // namespace wizard
