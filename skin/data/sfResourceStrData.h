#pragma once
// TsfResourceStrData: the texts of frame menus, frame button hints, edit menus,
// message buttons and the file, font, print and find dialogs, as NAME=value lines,
// so that a program can put them into its own language.
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"

class TsfResourceStrData : public TComponent {
 public:
  // ResStrings starts with the English texts.
  explicit TsfResourceStrData(TComponent* AOwner);

  std::vector<std::string> ResStrings;
  int CharSet = 1;  // the platform's default character set

  // The text after the first "=" of the first line whose name (before that "=")
  // equals `name` without regard to ASCII case; empty when none does.
  std::string FindResString(std::string_view name) const;
};
