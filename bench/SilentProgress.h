#pragma once

#include "builder/ProgressReporter.h"

#include <QtGlobal>

namespace bench
{

// The writer's progress with nothing to show it: the position is held, the
// texts go nowhere, so a benchmark times the writing alone.
class SilentProgress final : public builder::ProgressReporter
{
public:
    int position() const override { return m_position; }
    void setPosition(int position) override { m_position = qBound(0, position, 100); }
    void setProgressText(const QString&) override {}
    void setStatusText(const QString&) override {}

private:
    int m_position = 0;
};

} // namespace bench
