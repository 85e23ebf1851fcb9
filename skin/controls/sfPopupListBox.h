#pragma once
// TsfPopupListBox: the drop-down list of a combo box, a skinned list box living in
// a top-level popup window of its own. It never takes the activation (nor so the
// focus) from the form, and can be made translucent.
#include <functional>

#include "sfSkinListBox.h"

class TsfPopupListBox : public TsfSkinListBox {
 public:
  explicit TsfPopupListBox(TComponent* AOwner);
  ~TsfPopupListBox() override;

  // Shows the popup with its top-left corner at a screen point, without activating it.
  // Shown, it is one of the program's open popups (ui/OpenPopups.h), which a press on
  // it or on the control it drops from leaves open.
  void ShowAt(TPoint screenPoint);
  void HidePopup();
  // Closes the popup when the program's popups close; unset, the popup hides itself.
  TNotifyEvent OnCloseFromOutside;

  // A layered window with a constant alpha (0 transparent .. 255 opaque).
  bool Layered() const { return FLayered; }
  void SetLayered(bool value);
  int LastAlpha() const { return FLastAlpha; }
  void SetAlpha(int value);

  // Sees every message of the inner list before the list; clearing Continue keeps
  // the message from it (the combo box drives the list this way).
  std::function<void(TMessage& Message, bool& Continue)> OnListMessage;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The popup's window is made when it is first shown, not with the combo box's.
  bool WindowMadeWithParent() const override { return false; }
  void ListMessage(TMessage& message, bool& Continue) override;

 private:
  bool OwnsWindow(HWND wnd) const;
  void CloseFromOutside();

  bool FLayered = false;
  int FLastAlpha = -1;
};
