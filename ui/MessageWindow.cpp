#include "MessageWindow.h"

#include <windows.h>

void TMessageWindow::WndProc(TMessage& m) {
  if (OnMessage && OnMessage(m)) return;
  TWinControl::WndProc(m);
}

void TMessageWindow::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.Style = 0;
  p.ExStyle = 0;
  p.WndParent = HWND_MESSAGE;
}
