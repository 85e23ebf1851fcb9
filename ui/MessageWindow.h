#pragma once
// A message-only window for a component that has none of its own (a windowless button,
// a tray icon): the platform posts or sends it messages, and OnMessage handles them.
// A message the handler leaves unhandled gets the default handling.
#include <functional>

#include "WinControl.h"

class TMessageWindow : public TWinControl {
 public:
  explicit TMessageWindow(TComponent* AOwner) : TWinControl(AOwner) {}

  // Returns true when it handled the message (and set its Result).
  std::function<bool(TMessage& m)> OnMessage;

  void WndProc(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& p) override;
};
