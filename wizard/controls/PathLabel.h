#pragma once

#include <QLabel>

namespace wizard
{

// A label showing a path. A text too long for the label is drawn with its
// middle left out ("…"), so both the start and the folder's own name stay in
// sight, and the whole text is the label's tooltip. text() is always the whole
// text, as set.
class PathLabel : public QLabel
{
    Q_OBJECT

public:
    // Its text is shown as it stands, never as markup: it holds names.
    explicit PathLabel(QWidget* parent = nullptr) : QLabel(parent) { setTextFormat(Qt::PlainText); }

    void setText(const QString& text);
    // The text as drawn.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showWholeTextInToolTip();
};

} // namespace wizard
