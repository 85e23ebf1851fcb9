#pragma once
// The plain message dialog: an icon, the text and one "OK" button, in a form of
// our own so the button reads as the program's text on any system language; and
// what every dialog of our own shares: it is owned by the form the user works in,
// so it never falls behind the window it disables, and it opens centred on it.
#include <string>

#include "Form.h"
#include "WinHandles.h"

// The window of the form the user works in: the active window's form when it is
// one of ours, else the topmost of our visible forms; nullptr when there is none.
HWND ActiveFormWindow();

// A dialog's form owned by a window (ActiveFormWindow() when given none), placed
// when it is shown with its centre on the owner's, inside the owner's monitor's
// work area; without an owner, centred on the screen.
class TOwnedDialogForm : public TForm {
 public:
  explicit TOwnedDialogForm(HWND owner = nullptr);
  HWND OwnerWindow() const { return FOwnerWindow; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void VisibleChanged() override;

 private:
  void CentreOnOwner();
  HWND FOwnerWindow;
};

// Shows the dialog modally and returns when it is closed. `icon` is the
// platform's MB_ICON... value of the kind (information, warning).
void ShowMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon);
