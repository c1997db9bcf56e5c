#include "builder/ProgressPlan.h"

#include "builder/Rounding.h"

#include <algorithm>

namespace builder
{

ProgressPlan ProgressPlan::forSelectedRoms(int selectedRomCount)
{
    // The pieces are the selected roms, the base rom and the menu script.
    const int pieces = std::max(selectedRomCount, 0) + 2;
    ProgressPlan plan;
    if (pieces > 100) {
        plan.interval = int(std::max<std::int64_t>(roundHalfEven(pieces / 100.0), 1));
        plan.increment = 1;
    } else {
        plan.interval = 1;
        plan.increment = int(roundHalfEven(100.0 / pieces));
    }
    return plan;
}

} // namespace builder
