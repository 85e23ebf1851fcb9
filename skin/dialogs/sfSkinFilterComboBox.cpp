#include "sfSkinFilterComboBox.h"

#include "ui/Strings.h"

TsfSkinFilterComboBox::TsfSkinFilterComboBox(TComponent* AOwner) : TsfSkinComboBox(AOwner) {
  SetStyle(sfcbFixedStyle);
}

void TsfSkinFilterComboBox::SetFilter(const std::string& value) {
  FFilter = value;
  FMasks.clear();
  Items().Clear();
  // Cut at '|' by whole characters: a two-byte character's trail byte may be '|'.
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < value.size(); ++i) {
    auto c = static_cast<unsigned char>(value[i]);
    if (c == '|') {
      parts.emplace_back();
    } else {
      parts.back() += value[i];
      if (c >= 0x81 && c <= 0xFE && i + 1 < value.size()) parts.back() += value[++i];
    }
  }
  if (value.empty()) return;
  for (size_t i = 0; i < parts.size(); i += 2) {
    Items().Add(parts[i]);
    FMasks.push_back(i + 1 < parts.size() ? parts[i + 1] : std::string());
  }
}

std::string TsfSkinFilterComboBox::Mask() {
  if (FMasks.empty()) return "*.*";
  if (ItemIndex() < 0 || ItemIndex() >= static_cast<int>(FMasks.size()))
    SetItemIndex(static_cast<int>(FMasks.size()) - 1);
  return FMasks[static_cast<size_t>(ItemIndex())];
}
