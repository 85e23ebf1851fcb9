#include "ShortCut.h"

namespace {

char UpperLatin(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace

char AccelChar(const std::string& caption) {
  size_t i = 0;
  while (i < caption.size()) {
    auto b = static_cast<unsigned char>(caption[i]);
    // A trail byte of code page 936 may look like a letter: step over the pair.
    if (IsLeadByte(b) && i + 1 < caption.size()) {
      i += 2;
      continue;
    }
    if (b != '&') {
      ++i;
      continue;
    }
    if (i + 1 >= caption.size()) return 0;
    auto next = static_cast<unsigned char>(caption[i + 1]);
    if (next == '&') {
      i += 2;
      continue;
    }
    return IsLeadByte(next) ? 0 : UpperLatin(static_cast<char>(next));
  }
  return 0;
}

bool IsAccel(char key, const std::string& caption) {
  char accel = AccelChar(caption);
  return accel != 0 && accel == UpperLatin(key);
}
