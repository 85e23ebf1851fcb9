#include "sfCaptionObjects.h"

#include <windows.h>

#include "sfSkinForm.h"
#include "skin/controls/sfItemText.h"
#include "skin/data/sfEffects.h"
#include "skin/data/sfSkinData.h"
#include "skin/data/sfUtilsGlyphs.h"
#include "skin/data/sfUtilsNinePart.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"

TsfActiveSkinObject::TsfActiveSkinObject(TsfSkinForm& parent, const TsfDataSkinObject* def)
    : Parent(parent), SkinData(parent.SkinData()) {
  if (!def) {
    SkinRect = ActiveSkinRect = InactiveSkinRect = {0, 0, 1, 1};
    InPicture = true;
    ObjectRect = SkinRect;
    return;
  }
  IDName = def->IDName;
  Hint = def->hint;
  SkinRect = def->skinrect;
  ActiveSkinRect = def->activeskinrect;
  InactiveSkinRect = def->inactiveskinrect;
  InPicture = def->skinrectinapicture;
  MorphKind = def->morphkind;
  if (SkinData) {
    Picture = &SkinData->MainPicture();
    ActivePicture = SkinData->ActivePictures(def->activepictureindex);
  }
  if (!ActivePicture) ActiveSkinRect = InactiveSkinRect = {};
  Morphing = def->morphing && !ActiveSkinRect.IsEmpty();
  ObjectRect = SkinRect;
}

bool TsfActiveSkinObject::MorphUnfinished() const {
  return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0);
}

bool TsfActiveSkinObject::TransitionsRun() const {
  return Morphing && SkinData && !SkinData->SkinEmpty() && SkinData->EnableSkinEffects();
}

void TsfActiveSkinObject::StartTransition() {
  if (TransitionsRun())
    Parent.StartMorphTimer();
  else
    Parent.DrawObject(*this);
}

void TsfActiveSkinObject::CopyImage(TCanvas& canvas, const TBitmap* picture,
                                    const TRect& src) const {
  if (!picture || picture->Empty() || src.IsEmpty() || ObjectRect.IsEmpty()) return;
  const TRect& d = ObjectRect;
  StretchBlt(canvas.Handle(), d.Left, d.Top, d.Width(), d.Height(), picture->DC(), src.Left,
             src.Top, src.Width(), src.Height(), SRCCOPY);
}

std::unique_ptr<TsfEffectBmp> TsfActiveSkinObject::MorphImage(const TBitmap* from,
                                                              const TRect& fromRect,
                                                              const TBitmap* to,
                                                              const TRect& toRect) const {
  if (!from || !to || ObjectRect.IsEmpty()) return nullptr;
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  TBitmap a(w, h), b(w, h);
  StretchBlt(a.DC(), 0, 0, w, h, from->DC(), fromRect.Left, fromRect.Top, fromRect.Width(),
             fromRect.Height(), SRCCOPY);
  StretchBlt(b.DC(), 0, 0, w, h, to->DC(), toRect.Left, toRect.Top, toRect.Width(),
             toRect.Height(), SRCCOPY);
  auto first = std::make_unique<TsfEffectBmp>(a);
  TsfEffectBmp second(b);
  first->Morph(MorphKind, second, MorphFactor);
  return first;
}

void TsfActiveSkinObject::DrawMorph(TCanvas& canvas, const TBitmap* from, const TRect& fromRect,
                                    const TBitmap* to, const TRect& toRect) const {
  if (auto image = MorphImage(from, fromRect, to, toRect))
    image->Draw(canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TsfActiveSkinObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinData || SkinData->SkinEmpty()) return;
  if (Enabled && !Parent.FrameActive() && !InactiveSkinRect.IsEmpty()) {
    CopyImage(canvas, ActivePicture, InactiveSkinRect);
    return;
  }
  if (TransitionsRun() && MorphUnfinished()) {
    DrawMorph(canvas, NormalPicture(), SkinRect, ActivePicture, ActiveSkinRect);
  } else if (!Active || ActiveSkinRect.IsEmpty()) {
    if (!update && !InPicture) return;  // the frame picture already shows it
    CopyImage(canvas, NormalPicture(), SkinRect);
  } else {
    CopyImage(canvas, ActivePicture, ActiveSkinRect);
  }
}

void TsfActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
  if (Parent.OnMouseDownEvent) Parent.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TsfActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
  if (MouseIn && Parent.OnMouseUpEvent) Parent.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TsfActiveSkinObject::MouseMove(int x, int y) {
  if (Parent.OnMouseMoveEvent) Parent.OnMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TsfActiveSkinObject::MouseEnter() {
  MouseIn = Active = true;
  if (!ActiveSkinRect.IsEmpty()) StartTransition();
  if (Parent.OnMouseEnterEvent) Parent.OnMouseEnterEvent(IDName);
}

void TsfActiveSkinObject::MouseLeave() {
  MouseIn = Active = false;
  if (!ActiveSkinRect.IsEmpty()) StartTransition();
  if (Parent.OnMouseLeaveEvent) Parent.OnMouseLeaveEvent(IDName);
}

void TsfUserObject::Draw(TCanvas& canvas, bool) {
  if (Parent.OnPaintEvent) Parent.OnPaintEvent(IDName, canvas, ObjectRect);
}

// --- buttons ---

TsfSkinButtonObject::TsfSkinButtonObject(TsfSkinForm& parent, const TsfDataSkinObject* def)
    : TsfActiveSkinObject(parent, def) {
  if (auto* b = dynamic_cast<const TsfDataSkinButton*>(def)) {
    DisabledRect = b->disableskinrsect;
    DownRect = b->downrect;
  } else if (!def) {
    DisabledRect = DownRect = {0, 0, 1, 1};
  }
  if (def && !ActivePicture) DisabledRect = DownRect = {};
}

bool TsfSkinButtonObject::MorphUnfinished() const {
  if (Down && HasMenu) return false;
  return TsfActiveSkinObject::MorphUnfinished();
}

void TsfSkinButtonObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinData || SkinData->SkinEmpty()) return;
  if (!Enabled && !DisabledRect.IsEmpty())
    CopyImage(canvas, ActivePicture, DisabledRect);
  else if (Enabled && Down && MouseIn && !DownRect.IsEmpty())
    CopyImage(canvas, ActivePicture, DownRect);
  else
    TsfActiveSkinObject::Draw(canvas, update);
}

void TsfSkinButtonObject::SetDown(bool value) {
  Down = value;
  if (TransitionsRun() && Active) MorphFactor = 1;
  Parent.DrawObject(*this);
  if (TransitionsRun() && !Down) StartTransition();
}

void TsfSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !Down) SetDown(true);
  TsfActiveSkinObject::MouseDown(x, y, button);
}

void TsfSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !HasMenu && Down) SetDown(false);
  TsfActiveSkinObject::MouseUp(x, y, button);
}

void TsfSkinButtonObject::MouseEnter() {
  MouseIn = Active = true;
  if (Down && !DownRect.IsEmpty()) {
    if (TransitionsRun()) MorphFactor = 1;
    Parent.DrawObject(*this);
  } else if (!ActiveSkinRect.IsEmpty()) {
    StartTransition();
  }
  if (Parent.OnMouseEnterEvent) Parent.OnMouseEnterEvent(IDName);
}

void TsfSkinButtonObject::MouseLeave() {
  MouseIn = Active = false;
  if (!(Down && HasMenu)) {
    Parent.DrawObject(*this);
    if (TransitionsRun()) StartTransition();
  }
  if (Parent.OnMouseLeaveEvent) Parent.OnMouseLeaveEvent(IDName);
}

TsfSkinStdButtonObject::TsfSkinStdButtonObject(TsfSkinForm& parent, const TsfDataSkinObject* def,
                                               TsfStdCommand command, const std::string& name)
    : TsfSkinButtonObject(parent, def), SkinSupported(def != nullptr), Command(command) {
  if (auto* b = dynamic_cast<const TsfDataSkinStdButton*>(def)) {
    Command = b->command;
    RestoreRect = b->restorerect;
    RestoreActiveRect = b->restoreactiverect;
    RestoreInactiveRect = b->restoreinactiverect;
    RestoreDownRect = b->restoredownrect;
  }
  if (!def) IDName = name;
  HasMenu = Command == cmSysMenu;
}

bool TsfSkinStdButtonObject::ShowsIcon() const { return Command == cmSysMenu && Parent.ShowIcon(); }

bool TsfSkinStdButtonObject::MorphUnfinished() const {
  return !ShowsIcon() && TsfSkinButtonObject::MorphUnfinished();
}

bool TsfSkinStdButtonObject::InRestoreState() const {
  return (Command == cmMaximize && Parent.WindowState() == wsMaximized) ||
         (Command == cmMinimize && Parent.WindowState() == wsMinimized) ||
         (Command == cmRollUp && Parent.RollUpState());
}

void TsfSkinStdButtonObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinSupported) {
    DrawPlain(canvas);
  } else if (ShowsIcon() && InPicture) {
    DrawIconEx(canvas.Handle(), ObjectRect.Left, ObjectRect.Top,
               Parent.SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL);
    MorphFactor = 0;
  } else if (!(Enabled && InRestoreState() && DrawRestore(canvas))) {
    TsfSkinButtonObject::Draw(canvas, update);
  }
}

bool TsfSkinStdButtonObject::DrawRestore(TCanvas& canvas) {
  if (RestoreRect.IsEmpty() || !ActivePicture) return false;
  if (!Parent.FrameActive() && !RestoreInactiveRect.IsEmpty())
    CopyImage(canvas, ActivePicture, RestoreInactiveRect);
  else if (Down && MouseIn && !RestoreDownRect.IsEmpty())
    CopyImage(canvas, ActivePicture, RestoreDownRect);
  else if (TransitionsRun() && MorphUnfinished())
    DrawMorph(canvas, ActivePicture, RestoreRect, ActivePicture, RestoreActiveRect);
  else if (Active && !RestoreActiveRect.IsEmpty())
    CopyImage(canvas, ActivePicture, RestoreActiveRect);
  else
    CopyImage(canvas, ActivePicture, RestoreRect);
  return true;
}

TPoint PlainGlyphOrigin(int w, int h, bool pressed) {
  const int shift = pressed ? 1 : 0;
  return {w / 2 - 5 + shift, h / 2 - 4 + shift};
}

void TsfSkinStdButtonObject::DrawPlain(TCanvas& canvas) {
  if (ShowsIcon()) {
    DrawIconEx(canvas.Handle(), ObjectRect.Left, ObjectRect.Top,
               Parent.SmallIcon(), 0, 0, 0, nullptr, DI_NORMAL);
    return;
  }
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap image(w, h);
  TCanvas& c = image.Canvas();
  const bool pressed = Down && MouseIn;
  c.Brush().SetColor(MouseIn ? (pressed ? 11899781 : 13811126) : clBtnFace);
  c.FillRect({0, 0, w, h});
  if (MouseIn) {
    c.Brush().SetColor(clNavy);
    c.FrameRect({0, 0, w, h});
  }
  TsfSmallGlyph glyph = sgClose;
  switch (Command) {
    case cmMaximize: glyph = Parent.WindowState() == wsMaximized ? sgRestore : sgMaximize; break;
    case cmMinimize: glyph = Parent.WindowState() == wsMinimized ? sgRestore : sgMinimize; break;
    case cmSysMenu: glyph = sgRollUp; break;
    case cmRollUp: glyph = Parent.RollUpState() ? sgTriangleDown : sgTriangleUp; break;
    case cmMinimizeToTray: glyph = sgSquare; break;
    default: break;
  }
  TPoint o = PlainGlyphOrigin(w, h, pressed);
  DrawSmallGlyph(c, glyph, o.x, o.y, Enabled ? clBtnText : clBtnShadow);
  BitBlt(canvas.Handle(), ObjectRect.Left, ObjectRect.Top, w, h, image.DC(), 0, 0, SRCCOPY);
}

void TsfSkinStdButtonObject::DblClick() {
  if (Command == cmSysMenu) Parent.Form().Close();
}

void TsfSkinStdButtonObject::MouseDown(int, int, TMouseButton button) {
  if (!Enabled || button != mbLeft || Down) return;
  SetDown(true);
  if (Command != cmSysMenu) return;
  RECT w{};
  GetWindowRect(Parent.Form().Handle(), &w);
  Parent.PopupSystemMenu(ObjectRect.Offset(w.left, w.top));
}

void TsfSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
  const bool run = Active && button == mbLeft && Enabled && Down;
  if (Command == cmClose) {
    TsfSkinButtonObject::MouseUp(x, y, button);
    if (run) RunCommand();
    return;
  }
  if (run) RunCommand();
  TsfSkinButtonObject::MouseUp(x, y, button);
}

void TsfSkinStdButtonObject::RunCommand() {
  TsfSkinForm& f = Parent;
  switch (Command) {
    case cmClose: f.Form().Close(); break;
    case cmMaximize: f.SetWindowState(f.WindowState() == wsMaximized ? wsNormal : wsMaximized); break;
    case cmMinimize:
      if (f.AlwaysMinimizeToTray())
        f.TrayMinimize();
      else
        f.SetWindowState(f.WindowState() == wsMinimized || f.FormIconic() ? wsNormal : wsMinimized);
      break;
    case cmRollUp: f.SetRollUpState(!f.RollUpState()); break;
    case cmMinimizeToTray: f.TrayMinimize(); break;
    default: break;
  }
}

// --- caption ---

TsfSkinCaptionObject::TsfSkinCaptionObject(TsfSkinForm& parent, const TsfDataSkinObject* def)
    : TsfActiveSkinObject(parent, def), Def(dynamic_cast<const TsfDataSkinCaption*>(def)) {}

TRect TsfSkinCaptionObject::TextRect() const {
  if (!Def) return {};
  TRect t = Def->textrect;
  if (!t.IsEmpty()) t.Right += ObjectRect.Width() - SkinRect.Width();
  if (!Def->framerect.IsEmpty()) {
    t.Left += Def->frametextrect.Left;
    t.Top += Def->frametextrect.Top;
    t.Right += Def->frametextrect.Right - Def->framerect.Width();
  }
  return t;
}

bool TsfSkinCaptionObject::Animates() const {
  return Def && ActivePicture && SkinData && SkinData->EnableSkinEffects() &&
         !Def->animateskinrect.IsEmpty() && Def->framecount > 0;
}

void TsfSkinCaptionObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinData || SkinData->SkinEmpty()) return;
  const bool active = Parent.FrameActive();
  if (Animates() && AnimationFrame >= 1 && AnimationFrame <= Def->framecount) {
    // Frame k of framecount equal slices, stacked when the strip is higher than skinrect.
    const TRect& a = Def->animateskinrect;
    const bool stacked = a.Height() > SkinRect.Height();
    const int n = Def->framecount, k = AnimationFrame - 1;
    const TRect slice = stacked ? Bounds(a.Left, a.Top + k * (a.Height() / n), a.Width(), a.Height() / n)
                                : Bounds(a.Left + k * (a.Width() / n), a.Top, a.Width() / n, a.Height());
    TBitmap image;
    CreateHThreePartImage(image, *ActivePicture, slice, SkinData->FormInfo.lefttoppoint.x - SkinRect.Left,
                          SkinRect.Right - SkinData->FormInfo.righttoppoint.x, ObjectRect.Width(),
                          Def->stretcheffect);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
    DrawCaptionText(canvas, !active);
    return;
  }
  if (TransitionsRun() && MorphUnfinished()) {
    if (auto image = MorphImage(NormalPicture(), SkinRect, ActivePicture, ActiveSkinRect))
      DrawImage(canvas, *image);
  } else if (!ActiveSkinRect.IsEmpty() && (active || (Def && Def->stretcheffect))) {
    // An image of the caption's own: the active one, or the normal one of an
    // inactive window when the skin renders that look.
    const TBitmap* picture = active ? ActivePicture : NormalPicture();
    if ((active || InactiveLook()) && picture) {
      TBitmap image;
      SizedImage(image, *picture, active ? ActiveSkinRect : SkinRect);
      TsfEffectBmp pixels(image);
      DrawImage(canvas, pixels);
    }
  }
  (void)update;
  DrawCaptionText(canvas, active);
}

void TsfSkinCaptionObject::SizedImage(TBitmap& image, const TBitmap& picture,
                                      const TRect& src) const {
  CreateHThreePartImage(image, picture, src, SkinData->FormInfo.lefttoppoint.x - SkinRect.Left,
                        SkinRect.Right - SkinData->FormInfo.righttoppoint.x, ObjectRect.Width(),
                        Def && Def->stretcheffect);
}

bool TsfSkinCaptionObject::InactiveLook() const {
  return !Parent.FrameActive() && SkinData->FormInfo.autorenderinginactiveimage;
}

void TsfSkinCaptionObject::DrawImage(TCanvas& canvas, TsfEffectBmp& image) const {
  if (InactiveLook()) image.InactiveEffect(SkinData->FormInfo.inactiveeffect);
  image.Draw(canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TsfSkinCaptionObject::DrawCaptionText(TCanvas& canvas, bool active) {
  if (Parent.OnCaptionPaint) {
    Parent.OnCaptionPaint(canvas, ObjectRect, active);
    return;
  }
  const TRect t = TextRect();
  std::string text = Parent.Form().Caption();
  if (!Def || text.empty() || t.IsEmpty()) return;
  AssignSkinFont(canvas.Font(), Def->Font());
  text = EllipsisCaption(text, t.Width(), [&canvas](const std::string& s) { return canvas.TextWidth(s); });
  const TPoint size = canvas.TextExtent(text);
  int y = t.Top + t.Height() / 2 - size.y / 2 + ObjectRect.Top;
  int x = Def->alignment == taLeftJustify    ? t.Left
          : Def->alignment == taRightJustify ? t.Right - size.x
                                             : t.Left + t.Width() / 2 - size.x / 2;
  x += ObjectRect.Left;
  canvas.SetTransparentText(true);
  if (Def->light) {
    canvas.Font().SetColor(active ? Def->activelightcolor : Def->lightcolor);
    canvas.TextOut(x - 1, y - 1, text);
  }
  if (Def->shadow) {
    canvas.Font().SetColor(active ? Def->activeshadowcolor : Def->shadowcolor);
    canvas.TextOut(x + 1, y + 1, text);
  }
  canvas.Font().SetColor(active ? Def->activefontcolor : Def->fontcolor);
  canvas.TextOut(x, y, text);
}

void TsfSkinCaptionObject::MouseDown(int x, int y, TMouseButton button) {
  if (Parent.OnMouseDownEvent) Parent.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TsfSkinCaptionObject::MouseUp(int x, int y, TMouseButton button) {
  if (Parent.OnMouseUpEvent) Parent.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TsfSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  if (Parent.OnMouseEnterEvent) Parent.OnMouseEnterEvent(IDName);
}

void TsfSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  if (Parent.OnMouseLeaveEvent) Parent.OnMouseLeaveEvent(IDName);
}

// --- animate ---

TsfSkinAnimateObject::TsfSkinAnimateObject(TsfSkinForm& parent, const TsfDataSkinObject* def)
    : TsfActiveSkinObject(parent, def) {
  if (auto* a = dynamic_cast<const TsfDataSkinAnimate*>(def)) {
    Command = a->command;
    FrameCount = std::max(1, a->countframes);
  }
}

void TsfSkinAnimateObject::Draw(TCanvas& canvas, bool update) {
  if (!SkinData || SkinData->SkinEmpty() || !ActivePicture) return;
  // Frame k of the strip of equal frames in skinrect, side by side.
  const int w = SkinRect.Width() / FrameCount;
  TRect frame = Bounds(SkinRect.Left + (Frame - 1) * w, SkinRect.Top, w, SkinRect.Height());
  (void)update;
  CopyImage(canvas, ActivePicture, frame);
}

void TsfSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
  if (Enabled && button == mbLeft) Down = true;
  TsfActiveSkinObject::MouseDown(x, y, button);
}

void TsfSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  const bool run = Enabled && Down && Active && button == mbLeft;
  Down = false;
  if (run && Command == cmClose) Parent.Form().Close();
  TsfActiveSkinObject::MouseUp(x, y, button);
}

void TsfSkinAnimateObject::MouseEnter() {
  MouseIn = Active = true;
  Frame = FrameCount;
  Parent.DrawObject(*this);
  if (Parent.OnMouseEnterEvent) Parent.OnMouseEnterEvent(IDName);
}

void TsfSkinAnimateObject::MouseLeave() {
  MouseIn = Active = false;
  Frame = 1;
  Parent.DrawObject(*this);
  if (Parent.OnMouseLeaveEvent) Parent.OnMouseLeaveEvent(IDName);
}

// --- creation ---

std::unique_ptr<TsfActiveSkinObject> CreateFrameObject(TsfSkinForm& parent,
                                                       const TsfDataSkinObject& def) {
  const std::string kind = SkinObjectKind(def);
  if (kind == "stdbutton") return std::make_unique<TsfSkinStdButtonObject>(parent, &def);
  if (kind == "button") return std::make_unique<TsfSkinButtonObject>(parent, &def);
  if (kind == "caption") return std::make_unique<TsfSkinCaptionObject>(parent, &def);
  if (kind == "animate") return std::make_unique<TsfSkinAnimateObject>(parent, &def);
  if (kind == "userobject") return std::make_unique<TsfUserObject>(parent, &def);
  return nullptr;
}

void CreateDefaultButtons(TsfSkinForm& parent, TsfObjectList& list) {
  const std::pair<TsfStdCommand, const char*> buttons[] = {
      {cmClose, "closebutton"},     {cmMaximize, "maxbutton"},       {cmMinimize, "minbutton"},
      {cmRollUp, "rollupbutton"},   {cmSysMenu, "sysmenubutton"},    {cmMinimizeToTray, "traybutton"}};
  for (const auto& [command, name] : buttons)
    list.push_back(std::make_unique<TsfSkinStdButtonObject>(parent, nullptr, command, name));
}
