#pragma once
// The skin tool's report of what a skin holds: its form and sizes, the pictures with
// their sizes and bit depths, the definition text, and the skin objects and control
// definitions by name and kind in list order.
#include <iosfwd>

#include "SkinFile.h"

void InspectSkin(const TLoadedSkin& skin, std::ostream& out);
