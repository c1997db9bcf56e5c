#pragma once

// The Windows API for the platform layer's Windows branches, without the min
// and max macros that would break std::min, std::max and Qt's qMin users.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
