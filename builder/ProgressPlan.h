#pragma once

namespace builder
{

// How the progress bar moves during a build of n selected roms: before each
// piece whose index is a multiple of the interval, by the increment.
struct ProgressPlan {
    int interval = 1;
    int increment = 0;
    static ProgressPlan forSelectedRoms(int selectedRomCount);
};

} // namespace builder
