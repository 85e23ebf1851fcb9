#pragma once
// The plain message dialog: an icon, the text and one "OK" button, in a form of
// our own so the button reads as the program's text on any system language.
#include <string>

// Shows the dialog modally and returns when it is closed. `icon` is the
// platform's MB_ICON... value of the kind (information, warning).
void ShowMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon);
