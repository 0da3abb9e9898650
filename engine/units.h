// Unit ids fixed by the window description: a control is always addressed by the pair
// (window id, unit id), never by a handle.
#pragma once

#include <cstdint>

namespace wendral {

using UnitId = std::uint32_t;

inline constexpr UnitId main_window_id = 0x52010001;
inline constexpr UnitId main_window_entry_id = 0x06010000;
inline constexpr UnitId source_box_id = 0x1601295F;       // 编辑框1
inline constexpr UnitId result_box_id = 0x16012961;       // 编辑框2
inline constexpr UnitId replace_button_id = 0x16012962;   // 按钮1
inline constexpr UnitId find_box_id = 0x16012963;         // 编辑框3
inline constexpr UnitId replacement_box_id = 0x16012964;  // 编辑框4

}  // namespace wendral
