#include "wizard/CartridgeView.h"

#include "platform/ProgramFiles.h"
#include "wizard/controls/PlainText.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

namespace wizard
{

namespace
{

using Fate = builder::CartridgeLayout::Rom::Fate;

QString kb(qint64 bytes)
{
    return CartridgeView::tr("%1 KB").arg(QLocale().toString(builder::kbRoundedUp(bytes)));
}

QString fateText(Fate fate)
{
    switch (fate) {
    case Fate::Whole:
        return CartridgeView::tr("whole");
    case Fate::Cut:
        return CartridgeView::tr("cut to the size its header declares");
    case Fate::Repaired:
        return CartridgeView::tr("its header to be repaired");
    case Fate::Unreadable:
        break;
    }
    return CartridgeView::tr("cannot be read");
}

} // namespace

CartridgeView::CartridgeView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cartridgeView"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setCartridgeLayout({});
}

void CartridgeView::setCartridgeLayout(const builder::CartridgeLayout& layout)
{
    m_layout = layout;
    setAccessibleName(summary());
    update();
}

QString CartridgeView::summary() const
{
    const int count = int(m_layout.roms.size());
    // Two texts, so English reads right without a translation of its own; each
    // language gives both the plural forms it needs.
    const QString text = count == 1 ? tr("%1 of %2 used by %n rom", nullptr, count)
                                    : tr("%1 of %2 used by %n roms", nullptr, count);
    return text.arg(kb(m_layout.usedLength()), kb(builder::gba::CartridgeCapacity));
}

qint64 CartridgeView::scaleLength() const
{
    // The cartridge fills the width; an image too large shrinks it to fit.
    return qMax(m_layout.usedLength(), builder::gba::CartridgeCapacity);
}

QRect CartridgeView::segmentRect(qint64 start, qint64 length) const
{
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const auto x = [&](qint64 bytes) {
        return inside.left() + int(double(bytes) * inside.width() / double(scaleLength()));
    };
    return QRect(QPoint(x(start), inside.top()), QPoint(x(start + length) - 1, inside.bottom()));
}

void CartridgeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.fillRect(segmentRect(0, m_layout.headLength), colours.mid());
    qint64 start = m_layout.headLength;
    const QColor shades[] = {colours.color(QPalette::Highlight),
                             colours.color(QPalette::Highlight).lighter(140)};
    int shade = 0;
    for (const builder::CartridgeLayout::Rom& rom : m_layout.roms) {
        painter.fillRect(segmentRect(start, rom.length), shades[shade]);
        shade = 1 - shade;
        start += rom.length;
    }
    // What lies past the cartridge's end runs nowhere.
    if (start > builder::gba::CartridgeCapacity) {
        const QRect past =
            segmentRect(builder::gba::CartridgeCapacity, start - builder::gba::CartridgeCapacity);
        painter.fillRect(past, QColor(255, 0, 0));
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawLine(past.topLeft(), past.bottomLeft());
    }
}

QString CartridgeView::toolTipAt(const QPoint& point) const
{
    const auto hits = [&](qint64 start, qint64 length) {
        const QRect area = segmentRect(start, length);
        return point.x() >= area.left() && point.x() <= area.right();
    };
    if (hits(0, m_layout.headLength))
        return tr("%1 and the menu: %2")
            .arg(platform::ProgramFiles::BaseRomName, kb(m_layout.headLength));
    qint64 start = m_layout.headLength;
    for (const builder::CartridgeLayout::Rom& rom : m_layout.roms) {
        if (rom.length > 0 && hits(start, rom.length))
            return tr("%1: %2, %3").arg(rom.title, kb(rom.length), fateText(rom.fate));
        start += rom.length;
    }
    return summary();
}

bool CartridgeView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), plainToolTip(toolTipAt(help->pos())), this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace wizard
