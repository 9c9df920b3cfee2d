#pragma once

#include "ui/twips.h"

#include <array>

namespace velandry::form1_layout {

inline constexpr int kClientWidth = 6495;
inline constexpr int kClientHeight = 6525;

// The separator along the top edge, from (0, 0) to (6480, 0).
inline constexpr int kLineEnd = 6480;

// Left, top, width, height. Label3, Label4 and Label5 size themselves to their
// text: for them the table gives the place, the text decides the size.
inline constexpr std::array<TwipsRect, 18> kControls{{
    {"txtPlaylistLoc", 1560, 315, 4335, 285},
    {"CmdFind", 5880, 315, 375, 285},
    {"Label3", 240, 360, 1245, 195},
    {"cmbFileType", 1560, 720, 1335, 315},
    {"Label6", 240, 750, 1335, 255},
    {"Label1", 240, 1560, 2415, 255},
    {"Label2", 3840, 1560, 2415, 255},
    {"File1", 240, 1800, 2415, 2820},
    {"ListBox2", 3840, 1800, 2415, 2790},
    {"Command2", 2880, 2400, 735, 495},
    {"Command4", 2880, 3240, 735, 495},
    {"txtOutputLoc", 1560, 4920, 4335, 285},
    {"Command5", 5880, 4920, 375, 285},
    {"Label4", 240, 4965, 1260, 195},
    {"txtMediaLoc", 1560, 5400, 4695, 285},
    {"Label5", 330, 5445, 1170, 195},
    {"Command1", 2760, 5880, 975, 375},
    {"Command3", 5280, 5880, 975, 375},
}};

// Keyboard focus order (labels take no focus).
inline constexpr std::array<const char *, 12> kTabOrder{
    "Command1", "File1", "ListBox2", "Command2", "txtPlaylistLoc", "CmdFind",
    "Command4", "Command3", "txtOutputLoc", "txtMediaLoc", "cmbFileType", "Command5",
};

} // namespace velandry::form1_layout
