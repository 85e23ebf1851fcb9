#include <windows.h>

#include "Types.h"

// clDefault stands for "the colour the receiver would use anyway"; for a surface that
// is the window colour. clNone has no colour of its own: code that means "draw
// nothing" tests for it before asking for a colour, and what is left of it here is
// black rather than the meaningless 0x1FFFFFFF the platform would misread.
std::uint32_t ColorToRGB(TColor color) {
  if (color == clNone) return 0x000000;
  if (color == clDefault) return GetSysColor(COLOR_WINDOW);
  auto value = static_cast<std::uint32_t>(color);
  if ((value & 0xFF000000u) == static_cast<std::uint32_t>(clSystemColor))
    return GetSysColor(static_cast<int>(value & 0xFF));
  return value & 0x00FFFFFFu;
}
