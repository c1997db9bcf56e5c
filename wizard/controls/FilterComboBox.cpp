#include "wizard/controls/FilterComboBox.h"

#include "wizard/controls/FileListBox.h"
#include "wizard/controls/ListBox.h"

#include <QStringList>
#include <QStylePainter>

namespace wizard
{

FilterComboBox::FilterComboBox(QWidget* parent) : QComboBox(parent)
{
    usePopupListView(this);
    // Any change of entry, by mouse, keyboard or code, sets the list's mask.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        setToolTip(currentText());
        if (!m_filling)
            applyMask();
    });
}

void FilterComboBox::setFilter(const QString& filter)
{
    m_filling = true;
    clear();
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        addItem(parts.at(i), parts.at(i + 1));
    setCurrentIndex(count() > 0 ? 0 : -1);
    m_filling = false;
    applyMask();
}

void FilterComboBox::setFileList(FileListBox* list)
{
    m_list = list;
    applyMask();
}

QString FilterComboBox::mask() const
{
    return currentData().toString();
}

bool FilterComboBox::chooseMask(const QString& mask)
{
    const int entry = findData(mask);
    if (entry < 0)
        return false;
    setCurrentIndex(entry);
    return true;
}

void FilterComboBox::applyMask()
{
    // With no entries there is no mask to give; the list keeps its own.
    if (m_list != nullptr && currentIndex() >= 0)
        m_list->setMask(mask());
}

void FilterComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight,
                                                  field.width() - option.iconSize.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void FilterComboBox::showPopup()
{
    fitPopupToEntries(this);
    QComboBox::showPopup();
}

} // namespace wizard
