#pragma once
// A form wearing the frame component, and our own skin loaded from the resources.
#include <windows.h>

#include <filesystem>
#include <memory>

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "tests/support/TestForms.h"

inline void LoadStoredSkin(TsfSkinData& data) {
  TsfCompressedStoredSkin stored(nullptr);
  stored.BuildFromIniFile(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                          "resources/skin/skin.ini");
  data.LoadStoredSkin(stored);
}

// An 800 x 600 window at (100, 50); with `skinned` our skin is loaded.
struct TFrameForm {
  std::unique_ptr<TForm> Form = MakeForm();
  TsfSkinForm* Frame = new TsfSkinForm(Form.get());
  TsfSkinData* Skin = new TsfSkinData(Form.get());

  explicit TFrameForm(bool skinned = true, int width = 800, int height = 600) {
    Form->SetCaption("Tavoro");
    Form->SetBounds(100, 50, width, height);
    Frame->SetSkinData(Skin);
    Form->Show();
    Activate();
    if (skinned) LoadStoredSkin(*Skin);
    Resize(width, height);
  }
  HWND Wnd() const { return Form->HandleValue(); }
  void Activate() { SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0); }
  void Resize(int w, int h) {
    Form->SetBounds(Form->Left(), Form->Top(), w, h);
    Application->ProcessMessages();
  }
  RECT WindowRect() const {
    RECT r;
    GetWindowRect(Wnd(), &r);
    return r;
  }
  // A window point as the screen point a mouse message carries.
  LPARAM ScreenParam(int x, int y) const {
    RECT r = WindowRect();
    return MAKELPARAM(r.left + x, r.top + y);
  }
  int HitTest(int x, int y) const {
    return static_cast<int>(SendMessageW(Wnd(), WM_NCHITTEST, 0, ScreenParam(x, y)));
  }
  // A press and release of the left button at window points, as the system sends
  // them for the frame's parts.
  void Click(TPoint down, TPoint up) {
    int code = HitTest(down.x, down.y);
    SendMessageW(Wnd(), WM_NCLBUTTONDOWN, code, ScreenParam(down.x, down.y));
    POINT c{WindowRect().left + up.x, WindowRect().top + up.y};
    ScreenToClient(Wnd(), &c);
    SendMessageW(Wnd(), WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
  }
  TRect ObjectRect(const char* name) const {
    auto* o = Frame->FindObject(name);
    return o ? o->ObjectRect : TRect{-1, -1, -1, -1};
  }
};
