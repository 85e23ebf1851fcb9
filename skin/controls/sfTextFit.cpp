#include "sfTextFit.h"

#include "skin/data/sfText.h"

namespace sf {

void RemoveLastChar936(std::string& text) {
  size_t last = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    last = i;
    if (IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
  text.resize(last);
}

std::string ShortenWithEllipsis(std::string_view text,
                                const std::function<bool(const std::string&)>& fits) {
  std::string out(text);
  if (fits(out)) return out;
  while (!out.empty() && !fits(out + "...")) RemoveLastChar936(out);
  return out + "...";
}

}  // namespace sf
