#pragma once

#include "builder/BuildStatus.h"

#include <QString>

namespace builder
{

// What the image writer needs of the write page: a position held within 0..100
// and two texts. The page implements it; tests record what it receives.
class ProgressReporter
{
public:
    virtual ~ProgressReporter() = default;
    virtual int position() const = 0;
    // Implementations hold the value within 0..100 (a value above 100 becomes 100).
    virtual void setPosition(int position) = 0;
    virtual void setProgressText(const QString& text) = 0;
    virtual void setStatusText(const QString& text) = 0;
    // A step of the build: by default its text as the write page words it.
    virtual void setStatus(BuildStatus status, const QString& romFileName = {})
    {
        setStatusText(statusText(status, romFileName));
    }
};

} // namespace builder
