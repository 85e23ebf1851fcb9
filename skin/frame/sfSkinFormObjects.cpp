// The frame's objects: made from the skin, evaluated against the border icons,
// placed for the window size, tracked under the cursor and pressed.
#include <windows.h>

#include "sfSkinForm.h"
#include "sfSkinHint.h"
#include "skin/data/sfSkinData.h"
#include "ui/GdiObject.h"

void TsfSkinForm::RebuildObjects() {
  FObjects.clear();
  FHot = FPrevHot = FCaptured = -1;
  for (const auto& def : FSkinData->ObjectDefs)
    if (auto object = CreateFrameObject(*this, *def)) FObjects.push_back(std::move(object));
  EvaluateButtons();
}

TsfActiveSkinObject* TsfSkinForm::FindObject(const std::string& idName) const {
  for (const auto& o : FObjects)
    if (o->IDName == idName) return o.get();
  return nullptr;
}

namespace {

// Enabled and visible of a button standing for `command`.
void Evaluate(TsfActiveSkinObject& o, TsfStdCommand command, const TsfSkinForm& f) {
  const TBorderIcons icons = f.BorderIcons();
  bool enabled = o.Enabled;
  switch (command) {
    case cmClose: return;
    case cmMaximize: enabled = icons.Contains(biMaximize); break;
    case cmMinimize: enabled = icons.Contains(biMinimize); break;
    case cmSysMenu: enabled = icons.Contains(biSystemMenu) && !f.DisableSystemMenu(); break;
    case cmRollUp: enabled = icons.Contains(biRollUp); break;
    case cmMinimizeToTray: enabled = icons.Contains(biMinimizeToTray); break;
    case cmDefault: {
      bool visible = false;
      if (f.OnActivateCustomObject) f.OnActivateCustomObject(o.IDName, visible);
      o.Visible = visible;
      return;
    }
  }
  o.Enabled = enabled;
  o.Visible = enabled || !o.InPicture;  // a button painted into the frame picture stays
}

}  // namespace

void TsfSkinForm::EvaluateButtons() {
  for (auto& o : FObjects) {
    TsfStdCommand command;
    if (auto* b = dynamic_cast<TsfSkinStdButtonObject*>(o.get()))
      command = b->Command;
    else if (auto* a = dynamic_cast<TsfSkinAnimateObject*>(o.get()))
      command = a->Command;
    else
      continue;
    Evaluate(*o, command, *this);
    if (FHideCaptionButtons) {
      o->Enabled = false;
      o->Visible = !o->InPicture;
    }
  }
  AssignDefaultHints();
}

void TsfSkinForm::AssignDefaultHints() {
  if (!FUseDefaultObjectHint || !FSkinData) return;
  for (auto& o : FObjects) {
    auto* b = dynamic_cast<TsfSkinStdButtonObject*>(o.get());
    if (!b) continue;
    switch (b->Command) {
      case cmClose: b->Hint = "Close"; break;
      case cmMaximize: b->Hint = "Maximize"; break;
      case cmMinimize: b->Hint = "Minimize"; break;
      case cmSysMenu: b->Hint = "System menu"; break;
      case cmRollUp: b->Hint = "Roll Up"; break;
      case cmMinimizeToTray: b->Hint = "Minimize to Tray"; break;
      case cmDefault: break;
    }
  }
}

void TsfSkinForm::ArrangeObjects() {
  if (FSkinLoaded) {
    ArrangeSkinned();
    return;
  }
  if (FObjects.empty() && !FSkinChanging) {
    CreateDefaultButtons(*this, FObjects);
    EvaluateButtons();
  }
  ArrangePlain();
}

namespace {

// 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right, -1 none.
int ZoneOf(TPoint p, const TsfSkinFormInfo& fi, int wp, int hp) {
  if (TRect(0, 0, fi.lefttoppoint.x, fi.lefttoppoint.y).Contains(p)) return 0;
  if (TRect(fi.righttoppoint.x, 0, wp, fi.righttoppoint.y).Contains(p)) return 1;
  if (TRect(0, fi.leftbottompoint.y, fi.leftbottompoint.x, hp).Contains(p)) return 2;
  if (TRect(fi.rightbottompoint.x, fi.rightbottompoint.y, wp, hp).Contains(p)) return 3;
  return -1;
}

TRect PlacedInFrame(TRect r, int from, int to, int dx, int dy) {
  if (from == to) {
    if (from == 1) return r.Offset(dx, 0);
    if (from == 2) return r.Offset(0, dy);
    if (from == 3) return r.Offset(dx, dy);
    return r;
  }
  if (from == 0 && to == 3) return {r.Left, r.Top, r.Right + dx, r.Bottom + dy};
  if (from == 0 && to == 1) return {r.Left, r.Top, r.Right + dx, r.Bottom};
  if (from == 2 && to == 3) return {r.Left, r.Top + dy, r.Right + dx, r.Bottom + dy};
  if (from == 0 && to == 2) return {r.Left, r.Top, r.Right, r.Bottom + dy};
  if (from == 1 && to == 3) return {r.Left + dx, r.Top, r.Right + dx, r.Bottom + dy};
  return r;
}

TsfStdCommand CommandOf(const TsfActiveSkinObject& o, bool& isButton) {
  if (auto* b = dynamic_cast<const TsfSkinStdButtonObject*>(&o)) {
    isButton = true;
    return b->Command;
  }
  if (auto* a = dynamic_cast<const TsfSkinAnimateObject*>(&o)) {
    isButton = true;
    return a->Command;
  }
  isButton = false;
  return cmDefault;
}

}  // namespace

void TsfSkinForm::ArrangeSkinned() {
  const TsfSkinFormInfo& fi = FSkinData->FormInfo;
  const int wp = FSkinData->MainPicture().Width(), hp = FSkinData->MainPicture().Height();
  for (auto& o : FObjects) {
    if (o->InPicture) continue;
    const TRect& r = o->SkinRect;
    o->ObjectRect = PlacedInFrame(r, ZoneOf({r.Left, r.Top}, fi, wp, hp),
                                  ZoneOf({r.Right, r.Bottom}, fi, wp, hp), FGeometry.DW,
                                  FGeometry.DH);
  }
  if (!FGeometry.Buttons.IsEmpty())
    ArrangeInPicture(FGeometry.Buttons);
  else if (!FGeometry.Caption.IsEmpty())
    ArrangeInPicture(FGeometry.Caption);
}

void TsfSkinForm::ArrangeInPicture(const TRect& area) {
  const bool left = FGeometry.ButtonsInLeft;
  const int offset = FGeometry.ButtonsOffset;
  int x = left ? area.Left : area.Right;
  auto place = [&](TsfActiveSkinObject& o) {
    int w = o.SkinRect.Width(), h = o.SkinRect.Height();
    o.ObjectRect = left ? TRect(x, area.Top, x + w, area.Top + h)
                        : TRect(x - w, area.Top, x, area.Top + h);
    x = left ? x + w + offset : x - w - offset;
  };
  auto placeable = [](const TsfActiveSkinObject& o, TsfStdCommand wanted) {
    bool button = false;
    return o.InPicture && o.Visible && CommandOf(o, button) == wanted && button;
  };
  for (TsfStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    for (auto& o : FObjects)
      if (placeable(*o, c)) {
        place(*o);
        break;
      }
  for (auto& o : FObjects)
    if (placeable(*o, cmDefault)) place(*o);
  TsfActiveSkinObject* caption = nullptr;
  for (auto& o : FObjects)
    if (!caption && dynamic_cast<TsfSkinCaptionObject*>(o.get())) caption = o.get();
  TsfActiveSkinObject* sysMenu = nullptr;
  for (auto& o : FObjects)
    if (!sysMenu && placeable(*o, cmSysMenu)) sysMenu = o.get();
  if (left) {
    if (FGeometry.Buttons.IsEmpty()) {
      if (sysMenu) place(*sysMenu);
      if (caption) caption->ObjectRect.Left = x + offset;
    }
    return;
  }
  if (FGeometry.Buttons.IsEmpty() && caption) caption->ObjectRect.Right = x + offset;
  if (!sysMenu) return;
  const TRect& c = FGeometry.Caption;
  TPoint size = ShowIcon() ? TPoint(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON))
                           : TPoint(sysMenu->SkinRect.Width(), sysMenu->SkinRect.Height());
  const int top = c.Top + c.Height() / 2 - size.y / 2;
  sysMenu->ObjectRect = {c.Left, top, c.Left + size.x, top + size.y};
  if (caption) caption->ObjectRect.Left = c.Left + size.x;
}

void TsfSkinForm::ArrangePlain() {
  const int w = FCachedWidth;
  const int captionHeight = PlainCaptionHeight();
  const int s = captionHeight == kPlainToolCaptionHeight ? 13 : 17;
  FPlainCaption = {kPlainBorder, kPlainBorder, w - kPlainBorder, captionHeight};
  int x = w - kPlainBorder;
  for (TsfStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    for (auto& o : FObjects) {
      auto* b = dynamic_cast<TsfSkinStdButtonObject*>(o.get());
      if (!b || b->Command != c || !b->Visible || !b->InPicture) continue;
      b->ObjectRect = {x - s, 4, x, 4 + s};
      x -= s;
      break;
    }
  FPlainCaption.Right = x;
  for (auto& o : FObjects) {
    auto* b = dynamic_cast<TsfSkinStdButtonObject*>(o.get());
    if (!b || b->Command != cmSysMenu || !b->Visible) continue;
    int size = ShowIcon() ? GetSystemMetrics(SM_CXSMICON) : s;
    b->ObjectRect = {kPlainBorder, 4, kPlainBorder + size, 4 + size};
    FPlainCaption.Left = kPlainBorder + size;
    break;
  }
}

void TsfSkinForm::TrackObjects(std::optional<TPoint> p) {
  if (FObjects.empty() || !FActive) return;
  FPrevHot = FHot;
  int hot = -1;
  if (p)
    for (std::size_t i = 0; i < FObjects.size() && hot < 0; ++i) {
      const auto& o = FObjects[i];
      if (o->Enabled && o->Visible && o->ObjectRect.Contains(*p)) hot = static_cast<int>(i);
    }
  if (FCaptured >= 0 && hot != FCaptured) hot = -1;
  FHot = hot;
  if (FHot == FPrevHot) return;
  const int count = static_cast<int>(FObjects.size());
  if (FPrevHot >= 0 && FPrevHot < count) {
    auto& prev = *FObjects[FPrevHot];
    if (prev.Enabled && prev.Visible) {
      prev.MouseLeave();
      HideObjectHintOf(prev);
    }
  }
  if (FHot >= 0 && FHot < count) {
    FObjects[FHot]->MouseEnter();
    ShowObjectHintOf(*FObjects[FHot]);
  }
}

void TsfSkinForm::ShowObjectHintOf(const TsfActiveSkinObject& object) {
  if (FShowObjectHint && FSkinHint && !object.Hint.empty()) FSkinHint->ShowObjectHint(object.Hint);
}

void TsfSkinForm::HideObjectHintOf(const TsfActiveSkinObject& object) {
  if (FShowObjectHint && FSkinHint && !object.Hint.empty()) FSkinHint->HideObjectHint();
}

void TsfSkinForm::HideObjectHint() {
  if (FShowObjectHint && FSkinHint) FSkinHint->HideObjectHint();
}

void TsfSkinForm::PressObject(TMouseButton button, TPoint p) {
  if (FHot < 0 || FHot >= static_cast<int>(FObjects.size())) return;
  auto& o = *FObjects[FHot];
  if (!dynamic_cast<TsfSkinCaptionObject*>(&o)) SetCapture(FForm->Handle());
  FCaptured = FHot;
  o.MouseDown(p.x, p.y, button);
}

void TsfSkinForm::ReleaseObject(TMouseButton button, TPoint p) {
  if (FCaptured < 0 || FCaptured >= static_cast<int>(FObjects.size())) return;
  // Where the button is let go decides, whatever the last hover poll saw.
  TrackObjects(p);
  if (FCaptured < 0) return;
  auto& o = *FObjects[FCaptured];
  if (!dynamic_cast<TsfSkinCaptionObject*>(&o)) ReleaseCapture();
  FCaptured = -1;
  o.MouseUp(p.x, p.y, button);  // may close the form: nothing of ours is used after it
}

void TsfSkinForm::ClearHoverStates() {
  for (auto& o : FObjects) {
    if (auto* a = dynamic_cast<TsfSkinAnimateObject*>(o.get())) {
      a->MouseIn = a->Active = false;
      a->Frame = 1;
    }
    if (dynamic_cast<TsfSkinCaptionObject*>(o.get())) continue;
    o->Active = o->MouseIn = false;
    o->MorphFactor = 0;
  }
}

void TsfSkinForm::DrawObject(TsfActiveSkinObject& object) {
  HWND wnd = FForm->HandleValue();
  if (!Bordered() || !wnd || !FSkinnable) return;
  TNonClientDC dc(wnd);
  if (!dc.Get()) return;
  TCanvas canvas(dc.Get());
  object.Draw(canvas, true);
  canvas.SetHandle(nullptr);
}

HICON TsfSkinForm::SmallIcon() {
  if (FIcon) return FIcon.Get();
  HWND wnd = FForm->HandleValue();
  HICON icon = wnd ? reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM)) : nullptr;
  if (!icon && wnd) icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  FIcon.Reset(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                           GetSystemMetrics(SM_CYSMICON), 0)));
  return FIcon.Get();
}
