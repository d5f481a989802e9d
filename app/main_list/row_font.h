// The font of the main list's rows, in its two colours (0x00BBGGRR).
#pragma once

#include <cstdint>

#include "runtime/data.h"

namespace zorn {

inline constexpr uint32_t kInactiveColour = 0xFFFF00;
inline constexpr uint32_t kActiveColour = 0x0000FF;

inline TFontRec RowFont(uint32_t color) { return TFontRec{"Times New Roman", 12, 1, color, 204}; }

}  // namespace zorn
