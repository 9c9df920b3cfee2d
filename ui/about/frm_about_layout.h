#pragma once

#include "ui/twips.h"

#include <array>

namespace velandry::about_layout {

inline constexpr int kClientWidth = 6270;
inline constexpr int kClientHeight = 5685;

// The separator from (120, 4800) to (6120, 4800).
inline constexpr int kLineLeft = 120;
inline constexpr int kLineRight = 6120;
inline constexpr int kLineTop = 4800;

inline constexpr std::array<TwipsRect, 8> kControls{{
    {"Image1", 908, 120, 4455, 960},
    {"Label1", 915, 1200, 4455, 255},
    {"Label2", 135, 1560, 3255, 255},
    {"txtVersion", 128, 1800, 6015, 2055},
    {"Command1", 5160, 4080, 975, 495},
    {"Label4", 120, 4440, 3855, 375},
    {"Image2", 120, 5040, 930, 465},
    {"Label3", 1200, 5055, 3945, 435},
}};

} // namespace velandry::about_layout
