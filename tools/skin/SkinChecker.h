#pragma once
// The skin tool's check of a package: every picture decodes, the definition reads as
// the skin data reads it, every picture index names a picture of the package, and
// every rectangle and point lies inside the picture or image it refers to.
#include <string>
#include <vector>

#include "skin/data/sfSkinPackage.h"

struct TSkinCheckResult {
  std::vector<std::string> Problems;  // one line each, naming the section and key
  int Pictures = 0;                   // pictures that decoded
  int Places = 0;                     // rectangles and points checked
};

TSkinCheckResult CheckSkin(const TsfSkinPackage& package);
