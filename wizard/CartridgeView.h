#pragma once

#include "builder/CartridgeLayout.h"

#include <QWidget>

namespace wizard
{

// A picture of how the compilation fills a 32 MiB GBA cartridge: a bar with
// the base rom and menu first, then each rom as a segment in menu order, red
// past the cartridge's end. Each segment's tooltip tells its title, size and
// whether it goes in whole, cut or to be repaired; screen readers read the
// picture as one sentence ("18,204 KB of 32,768 KB used by 42 roms").
class CartridgeView : public QWidget
{
    Q_OBJECT

public:
    explicit CartridgeView(QWidget* parent = nullptr);

    void setCartridgeLayout(const builder::CartridgeLayout& layout);
    const builder::CartridgeLayout& cartridgeLayout() const { return m_layout; }
    // The sentence screen readers read, and the picture's own tooltip.
    QString summary() const;
    // What the tooltip says at a point of the picture.
    QString toolTipAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The picture's horizontal extent for a stretch of bytes from start.
    QRect segmentRect(qint64 start, qint64 length) const;
    qint64 scaleLength() const; // the bytes the width stands for

    builder::CartridgeLayout m_layout;
};

} // namespace wizard
