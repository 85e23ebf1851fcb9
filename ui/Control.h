#pragma once
// TControl: the root of every visual element, windowed or windowless.
#include <memory>
#include <string>

#include "Component.h"
#include "Font.h"
#include "Types.h"
#include "WinHandles.h"

class TActionLink;
class TBasicAction;
class TWinControl;

class TPopupMenu;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* value);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // Converts between this control's client coordinates and the screen's.
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // Origin of this control's client area in its nearest window's client area.
  virtual TPoint ClientOriginInWindow() const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  // Left and top by default. A control anchored right (or bottom) keeps its distance
  // to that edge of its parent when the parent is resized; anchored to both edges
  // it stretches.
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors value);
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& value);
  // Brings a size within Constraints.
  void ConstrainSize(int& width, int& height) const;

  // The action the control shows and executes when clicked; cleared when the action
  // is destroyed.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* value);
  TActionLink* ActionLink() const { return FActionLink.get(); }
  // The menu a right click (or the menu key) on the control opens; cleared when the
  // menu is destroyed.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);
  // The linked action changed (or was just linked, with CheckDefaults: then only
  // properties still at their defaults take the action's values).
  virtual void ActionChange(TBasicAction* Sender, bool CheckDefaults);

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to a top-level window.
  bool Showing() const;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  // The control's text: its caption, or what a platform edit window holds.
  virtual std::string Text() const { return FCaption; }
  virtual void SetText(const std::string& value) { SetCaption(value); }

  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }
  void SetFont(const TFont& value) { FFont->Assign(value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }

  // A windowless control is painted by its parent; a windowed one by its window.
  virtual bool IsWindowed() const { return false; }
  // Transparent controls let their parent paint under them.
  bool Opaque() const { return FOpaque; }
  void SetOpaque(bool value) { FOpaque = value; }

  // Paints a windowless control on its parent's dc, already clipped to the
  // control and with the origin at its top-left corner.
  virtual void PaintOn(HDC dc) { (void)dc; }

  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();

  // Delivers a message straight to WndProc and returns its result.
  std::intptr_t Perform(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  virtual void WndProc(TMessage& message);

  // True while the pointer is over this control (between enter and leave).
  bool MouseInControl() const { return FMouseInControl; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

  // OnClick when set, else the action.
  virtual void Click();
  virtual void DblClick();

 protected:
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Resize();
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  // Called by the parent when its font or colour changed.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  // Stores new bounds without asking the parent to realign (used by alignment
  // and by windows that report a size the platform gave them).
  void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void RequestAlign();
  // Notes the distances to the parent's right and bottom edges that anchoring keeps.
  void UpdateAnchorRules();
  // Places the control by its anchors in a parent client area of `clientRect`.
  void AnchorIn(const TRect& clientRect);

  bool FMouseInControl = false;
  // A left press and release inside the control raise Click. Controls that
  // report their clicks by rules of their own (buttons, platform lists) turn it off.
  bool FClickOnRelease = true;

 private:
  friend class TWinControl;
  void HandleMouseMessage(TMessage& message);

  bool FClicked = false;

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TSizeConstraints FConstraints;
  int FAnchorRightGap = 0;
  int FAnchorBottomGap = 0;
  std::unique_ptr<TActionLink> FActionLink;
  TPopupMenu* FPopupMenu = nullptr;
  bool FVisible = true;
  bool FEnabled = true;
  bool FOpaque = true;
  std::string FCaption;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  bool FUpdatingFromParent = false;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
};

// Keyboard and mouse modifier state as the platform reports it with a message.
TShiftState ShiftStateFromKeys(std::uintptr_t mkFlags, bool doubleClick);
TShiftState CurrentKeyShiftState();
