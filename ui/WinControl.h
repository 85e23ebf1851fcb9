#pragma once
// TWinControl: a control with a window of its own, created on demand, holding
// child controls (windowed and windowless) in order.
#include <string>
#include <vector>

#include "Control.h"

// What CreateWnd passes to the platform. An empty WinClassName is our own class;
// a platform class (L"EDIT", L"LISTBOX", ...) is created and then subclassed.
struct TCreateParams {
  std::wstring WinClassName;
  std::wstring Caption;
  unsigned long Style = 0;
  unsigned long ExStyle = 0;
  // Class styles added to those of our own class (CS_SAVEBITS, CS_DROPSHADOW, ...);
  // each set of them gets a class of its own. Ignored for platform classes.
  unsigned ClassStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }
  std::string Text() const override;

  HWND Handle();
  HWND HandleValue() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  void DestroyHandle();
  // The object behind one of our windows, or nullptr.
  static TWinControl* FromHandle(HWND wnd);
  // Sends a message to the control's window and returns its result. Before the
  // window exists the message takes the way the window's messages take (a form's
  // hooks included) without a window being made for it.
  std::intptr_t SendWindowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The topmost visible windowless child under a client point, or nullptr.
  TControl* GraphicControlAt(TPoint p) const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() const override;
  TPoint ClientOriginInWindow() const override { return {0, 0}; }
  // The part of the client area that aligned children share out.
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  // A parent that places its children vertically itself replaces `top` for a child
  // about to be `height` high and returns true; others leave it alone.
  virtual bool PlaceChildTop(const TControl& child, int height, int& top) const {
    (void)child, (void)height, (void)top;
    return false;
  }
  void Realign();
  void DisableAlign() { ++FAlignDisabled; }
  void EnableAlign();

  // Focus and tab order among the windowed children.
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The next (or previous) focusable windowed descendant after `current` in tab order.
  TWinControl* FindNextControl(TWinControl* current, bool forward);
  bool SelectNext(TWinControl* current, bool forward);

  void Invalidate() override;
  void Update() override;
  // Repaints the part of this window under one windowless child.
  void InvalidateChild(const TControl* child);
  // Paints this window's own surface into `dc` (client coordinates) as a copy, for
  // a child that shows what lies behind it: a form its background, any other
  // control its paint routine. PaintingCopy() is true meanwhile.
  void PaintCopy(HDC dc);
  bool PaintingCopy() const { return FPaintingCopy; }

  void WndProc(TMessage& message) override;
  // Hands `message` to every child in child order, a windowed child passing it on to
  // its own children, until one sets a non-zero Result.
  void Broadcast(TMessage& message);
  // The top of this control's parent chain (itself when it has no parent).
  TWinControl* RootParent();
  // The platform's handling of a message (the default procedure, or the
  // original procedure of a subclassed platform class).
  void DefaultHandler(TMessage& message);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  // Window procedure shared by every window of ours.
  static std::intptr_t __stdcall WindowProc(HWND wnd, unsigned msg, std::uintptr_t wParam,
                                            std::intptr_t lParam);

 protected:
  // Where the messages of the window enter the object; a form first offers them to
  // the message hooks of its components.
  virtual void DispatchWindowMessage(TMessage& m) { WndProc(m); }
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists: children's windows are made here.
  virtual void CreateHandleDone();
  // Whether making the parent's window makes this control's too. A hidden control's
  // window is made by VisibleChanged when it is first shown, a drop-down's popup's by
  // Handle() when it first opens; either is made by Handle() if asked for sooner.
  virtual bool WindowMadeWithParent() const { return Visible(); }
  // Paints the window's own surface (the dc is an off-screen buffer in client
  // coordinates). Platform classes paint themselves and never get here.
  virtual void PaintWindow(HDC dc);
  // Paints the windowless children in child order, each clipped to itself.
  void PaintControls(HDC dc, const TRect& area);
  virtual void AlignControls(TRect& rect);
  // Told on the top of the parent chain when `control` (with its children) left it.
  virtual void ControlRemoved(TControl* control) { (void)control; }
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  void Loaded() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  // True when this window is one of our own class (we paint it).
  bool OwnClass() const { return FDefWndProc == nullptr; }
  // True when the window has a frame, caption or scroll bar around its client area.
  bool HasNonClientArea() const;
  // Reads the window's rectangle back after the platform moved or sized it.
  virtual void UpdateBoundsFromWindow();
  std::vector<TControl*> FControls;

 private:
  friend class TControl;
  void AttachHandle(HWND wnd);
  void DetachHandle();
  bool HandlePaint(TMessage& message);
  bool RouteMouse(TMessage& message);
  void TrackPointer(TControl* target);
  bool HandleSetCursor(TMessage& message);
  void HandleKey(TMessage& message);
  // Offers a key or character the control does not take to the controls of its
  // form; true when one of them handled it.
  bool OfferDialogKey(const TMessage& message);
  bool OfferDialogChar(const TMessage& message);
  unsigned DialogCode(const TMessage& message);
  void ApplyWindowFont();
  TControl* MouseTarget(TPoint p) const;
  // The child a WM_MEASUREITEM is about, or nullptr.
  TWinControl* MeasureItemTarget(const TMessage& m) const;

  HWND FHandle = nullptr;
  void* FDefWndProc = nullptr;  // original procedure of a subclassed platform class
  void* FWindowFont = nullptr;  // HFONT handed to a platform-class window
  int FAlignDisabled = 0;
  bool FAligning = false;
  bool FAlignPending = false;
  bool FTabStop = false;
  bool FTrackingLeave = false;
  bool FPaintingCopy = false;
  TControl* FCaptureControl = nullptr;
  TControl* FPointerControl = nullptr;
  std::vector<TWinControl*> FTabList;
};

// Registered once per set of extra class styles, the window class of our own windows.
const wchar_t* OwnWindowClassName(unsigned extraClassStyle = 0);
