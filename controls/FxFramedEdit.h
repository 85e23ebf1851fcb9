#pragma once
// TFxFramedEdit: what the framed edit and the framed memo add to the platform's
// edit controls: a background colour that follows the control's state (normal,
// focused, disabled, read-only), an optional frame of its own drawn over the
// border with hot tracking, pointer enter and leave, and Enter as Tab.
#include <cstdint>

#include "controls/FxFrame.h"
#include "ui/Component.h"
#include "ui/Types.h"
#include "ui/WinHandles.h"

enum TFramingPreference { fpCustomFraming, fpXPThemes };

// The two flags the state colour and the hot frame depend on.
enum TFxControlFlag { cfPointerOver, cfFocused };

// Platform steps of the framed edits (FxFramedEdit.cpp).
// Draws the frame over the window's border (in window coordinates).
void FxPaintEditFrame(HWND wnd, TFrameStyle style, TColor color, TSides sides, TColor background);
// Has the platform paint the window's non-client area again.
void FxRedrawEditFrame(HWND wnd);
// Posts a Tab key press to the window, which moves the focus on.
void FxPostTabKey(HWND wnd);
bool FxIsNonClientPaint(unsigned msg);
constexpr std::uint16_t FxEnterKey = 13;

template <class TBase>
class TFxFramedEdit : public TBase {
 public:
  explicit TFxFramedEdit(TComponent* AOwner) : TBase(AOwner), FNormalColor(this->Color()) {}

  // The background of each state; Color shows the one in force.
  TColor FocusColor() const { return FFocusColor; }
  virtual void SetFocusColor(TColor value) { SetStateColor(FFocusColor, value); }
  TColor DisabledColor() const { return FDisabledColor; }
  virtual void SetDisabledColor(TColor value) { SetStateColor(FDisabledColor, value); }
  TColor ReadOnlyColor() const { return FReadOnlyColor; }
  virtual void SetReadOnlyColor(TColor value) { SetStateColor(FReadOnlyColor, value); }
  bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool value) {
    if (value == FReadOnlyColorOnFocus) return;
    FReadOnlyColorOnFocus = value;
    if (!this->IsLoading()) ApplyStateColor();
  }
  // The colour of the normal state: what Color was last set to from outside.
  TColor NormalColor() const { return FNormalColor; }

  bool FrameVisible() const { return FFrameVisible; }
  virtual void SetFrameVisible(bool value) { SetFrameValue(FFrameVisible, value); }
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  virtual void SetFrameStyle(TFrameStyle value) { SetFrameValue(FFrameStyle, value); }
  TColor FrameColor() const { return FFrameColor; }
  virtual void SetFrameColor(TColor value) { SetFrameValue(FFrameColor, value); }
  bool FrameHotTrack() const { return FFrameHotTrack; }
  virtual void SetFrameHotTrack(bool value) { SetFrameValue(FFrameHotTrack, value); }
  TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
  virtual void SetFrameHotStyle(TFrameStyle value) { SetFrameValue(FFrameHotStyle, value); }
  TColor FrameHotColor() const { return FFrameHotColor; }
  virtual void SetFrameHotColor(TColor value) { SetFrameValue(FFrameHotColor, value); }
  TSides FrameSides() const { return FFrameSides; }
  virtual void SetFrameSides(TSides value) { SetFrameValue(FFrameSides, value); }
  TFramingPreference FramingPreference() const { return FFramingPreference; }
  virtual void SetFramingPreference(TFramingPreference value) { SetFrameValue(FFramingPreference, value); }
  // Enter moves the focus on like Tab.
  bool TabOnEnter() const { return FTabOnEnter; }
  void SetTabOnEnter(bool value) { FTabOnEnter = value; }

  void WndProc(TMessage& m) override {
    TBase::WndProc(m);
    if (FxIsNonClientPaint(m.Msg) && FFrameVisible && !UseThemes() && this->HandleAllocated()) {
      bool hot = FFrameHotTrack && (FFocused || FPointerOver);
      FxPaintEditFrame(this->HandleValue(), hot ? FFrameHotStyle : FFrameStyle,
                     hot ? FFrameHotColor : FFrameColor, FFrameSides, this->Color());
    }
  }

 protected:
  // Disabled: DisabledColor; focused: FocusColor (ReadOnlyColor for a read-only
  // control with ReadOnlyColorOnFocus); otherwise ReadOnlyColor when read-only,
  // else the normal colour.
  virtual void ApplyStateColor() {
    TColor color;
    if (!this->Enabled())
      color = FDisabledColor;
    else if (FFocused)
      color = this->ReadOnly() && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor;
    else
      color = this->ReadOnly() ? FReadOnlyColor : FNormalColor;
    FUpdatingColor = true;
    this->SetColor(color);
    FUpdatingColor = false;
  }
  virtual void SetInControl(TFxControlFlag flag, bool value) {
    bool& target = flag == cfFocused ? FFocused : FPointerOver;
    if (target == value) return;
    target = value;
    ApplyStateColor();
    if (FFrameHotTrack) RepaintFrame();
  }
  virtual void RepaintFrame() {
    if (this->HandleAllocated()) FxRedrawEditFrame(this->HandleValue());
  }
  // The frame is left to the platform's visual styles.
  virtual bool UseThemes() const { return FFramingPreference == fpXPThemes && ThemesActive(); }

  void ColorChanged() override {
    if (!FUpdatingColor) {
      if (FFocusColor == FNormalColor) FFocusColor = this->Color();
      FNormalColor = this->Color();
    }
    TBase::ColorChanged();
  }
  void Loaded() override {
    TBase::Loaded();
    ApplyStateColor();
  }
  void DoEnter() override {
    SetInControl(cfFocused, true);
    TBase::DoEnter();
  }
  void DoExit() override {
    SetInControl(cfFocused, false);
    TBase::DoExit();
  }
  void MouseEnter() override {
    SetInControl(cfPointerOver, true);
    TBase::MouseEnter();
  }
  void MouseLeave() override {
    SetInControl(cfPointerOver, false);
    TBase::MouseLeave();
  }
  void EnabledChanged() override {
    TBase::EnabledChanged();
    ApplyStateColor();
  }
  void ReadOnlyChanged() override {
    TBase::ReadOnlyChanged();
    ApplyStateColor();
  }
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override {
    TBase::KeyDown(Key, Shift);
    if (FTabOnEnter && Key == FxEnterKey && this->HandleAllocated()) {
      Key = 0;
      FxPostTabKey(this->HandleValue());
    }
  }
  void KeyPress(char& Key) override {
    TBase::KeyPress(Key);
    if (FTabOnEnter && Key == '\r') Key = 0;
  }

  bool PointerOver() const { return FPointerOver; }
  bool HasFocus() const { return FFocused; }

 private:
  void SetStateColor(TColor& field, TColor value) {
    if (value == field) return;
    field = value;
    if (!this->IsLoading()) ApplyStateColor();
  }
  template <class T>
  void SetFrameValue(T& field, T value) {
    if (value == field) return;
    field = value;
    RepaintFrame();
  }

  TColor FNormalColor;
  TColor FFocusColor = clWindow;
  TColor FDisabledColor = clBtnFace;
  TColor FReadOnlyColor = clInfoBk;
  bool FReadOnlyColorOnFocus = false;
  bool FFrameVisible = false;
  TFrameStyle FFrameStyle = fsFlat;
  TColor FFrameColor = clBtnShadow;
  bool FFrameHotTrack = false;
  TFrameStyle FFrameHotStyle = fsFlatBold;
  TColor FFrameHotColor = clBtnShadow;
  TSides FFrameSides = AllSides;
  TFramingPreference FFramingPreference = fpXPThemes;
  bool FTabOnEnter = false;
  bool FPointerOver = false;
  bool FFocused = false;
  bool FUpdatingColor = false;
};
