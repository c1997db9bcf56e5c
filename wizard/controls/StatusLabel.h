#pragma once

#include <QLabel>

namespace wizard
{

// A label that tells the outcome of something the user did (a write, a size
// estimate). Assistive technologies see it as a notification (the role an
// alert has on the desktop's accessibility bus), named by its text, and
// announce() has them speak it: screen readers pass over a label's new text
// unless told.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    // Its text is shown as it stands, never as markup: it holds names.
    explicit StatusLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
    }

    // Call after the text (and its description) changed.
    void announce();

signals:
    // The label was announced (the events go only to a listening screen reader).
    void announced();
};

} // namespace wizard
