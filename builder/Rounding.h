#pragma once

#include <cmath>
#include <cstdint>

namespace builder
{

// Every conversion of a real to a whole number in the program rounds to the
// nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int64_t roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return std::int64_t(lower);
    if (diff > 0.5)
        return std::int64_t(lower) + 1;
    const auto even = std::int64_t(lower);
    return (even % 2 == 0) ? even : even + 1;
}

} // namespace builder
