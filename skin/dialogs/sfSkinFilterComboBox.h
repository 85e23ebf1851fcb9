#pragma once
// TsfSkinFilterComboBox: the file-type combo of the file dialog. A filter
// "description|mask|description|mask..." becomes one item per description, each
// keeping its mask.
#include <string>
#include <vector>

#include "skin/controls/sfSkinComboBox.h"

class TsfSkinFilterComboBox : public TsfSkinComboBox {
 public:
  explicit TsfSkinFilterComboBox(TComponent* AOwner);

  const std::string& Filter() const { return FFilter; }
  // Replaces the items; nothing is chosen afterwards.
  void SetFilter(const std::string& value);
  // The chosen item's mask. With no item chosen the last one is chosen first;
  // without items it is "*.*".
  std::string Mask();
  const std::vector<std::string>& Masks() const { return FMasks; }

 private:
  std::string FFilter;
  std::vector<std::string> FMasks;
};
