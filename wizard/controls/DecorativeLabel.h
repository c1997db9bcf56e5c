#pragma once

#include <QLabel>

namespace wizard
{

// A label that only decorates (the arrows between two lists): assistive
// technologies are told it is not showing and has no name, so screen
// readers pass over it.
class DecorativeLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;
};

} // namespace wizard
