#pragma once
// TsfSkinForm: the frame component dropped on a form. It puts its own window
// procedure in front of the form's and from then on owns the non-client area: the
// frame's size, its painting from the skin's main picture, the window's shape from
// the mask, hit-testing, size limits, the caption objects and the window commands
// (maximize, minimize, restore, roll-up). Skin changes of its skin data are carried
// to the form's skinned controls.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "sfCaptionObjects.h"
#include "sfFrameGeometry.h"
#include "skin/data/sfUtilsNinePart.h"
#include "skin/data/sfUtilsRegion.h"
#include "ui/Bitmap.h"
#include "ui/Component.h"
#include "ui/GdiObject.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Types.h"

class TControl;
class TsfSkinData;
class TsfSkinHint;
class TsfSkinStatusBar;
class TsfSkinPopupMenu;
class TsfTrayIcon;
struct TMessage;

enum TsfPositionInMonitor { sfpDefault, sfpScreenCenter, sfpDesktopCenter };
enum TsfWindowState { wsNormal, wsMinimized, wsMaximized };

using TsfCaptionPaintEvent = std::function<void(TCanvas& Cnvs, TRect R, bool AActive)>;

// The private queries the frame answers for callers outside the program.
constexpr unsigned kFrameQueryMessage = 45490;      // 0xB1B2
constexpr unsigned kFramePaintToDCMessage = 45513;  // 0xB1C9
constexpr unsigned kFramePrintMessage = 48203;      // 0xBC4B, with lParam 16802

class TsfSkinForm : public TComponent {
 public:
  // The owner must be a form: anything else is an invalid cast.
  explicit TsfSkinForm(TComponent* AOwner);
  ~TsfSkinForm() override;

  // --- published properties ---
  TsfSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TsfSkinData* value);
  TsfSkinData* MenusSkinData() const { return FMenusSkinData; }
  void SetMenusSkinData(TsfSkinData* value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  bool DisableSystemMenu() const { return FDisableSystemMenu; }
  void SetDisableSystemMenu(bool value);
  bool AlwaysResize() const { return FAlwaysResize; }
  void SetAlwaysResize(bool value) { FAlwaysResize = value; }
  TsfPositionInMonitor PositionInMonitor() const { return FPositionInMonitor; }
  void SetPositionInMonitor(TsfPositionInMonitor value) { FPositionInMonitor = value; }
  bool UseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
  void SetUseFormCursorInNCArea(bool value) { FUseFormCursorInNCArea = value; }
  int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
  void SetMaxMenuItemsInWindow(int value) { if (value >= 0) FMaxMenuItemsInWindow = value; }
  int ClientWidth() const { return FClientWidth; }
  void SetClientWidth(int value) { FClientWidth = value; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientHeight(int value) { FClientHeight = value; }
  bool HideCaptionButtons() const { return FHideCaptionButtons; }
  void SetHideCaptionButtons(bool value);
  // The notification-area companion; assigning it hides its icon unless
  // AlwaysShowInTray, and gives it the tray menu and TrayRestore on a double-click
  // when it has none of its own.
  TsfTrayIcon* TrayIcon() const { return FTrayIcon; }
  void SetTrayIcon(TsfTrayIcon* value);
  TsfSkinPopupMenu* TrayMenu() const { return FTrayMenu; }
  bool AlwaysShowInTray() const { return FAlwaysShowInTray; }
  void SetAlwaysShowInTray(bool value) { FAlwaysShowInTray = value; }
  bool AlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
  void SetAlwaysMinimizeToTray(bool value) { FAlwaysMinimizeToTray = value; }
  TBitmap& LogoBitMap() { return FLogoBitMap; }
  bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
  void SetLogoBitMapTransparent(bool value) { FLogoBitMapTransparent = value; }
  bool UseSkinFontInMenu() const { return FUseSkinFontInMenu; }
  void SetUseSkinFontInMenu(bool value) { FUseSkinFontInMenu = value; }
  int DefMenuItemHeight() const { return FDefMenuItemHeight; }
  void SetDefMenuItemHeight(int value) { if (value > 0) FDefMenuItemHeight = value; }
  TFont& DefMenuItemFont() { return FDefMenuItemFont; }
  bool ShowIcon() const { return FShowIcon; }
  void SetShowIcon(bool value);
  bool MaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
  void SetMaximizeOnFullScreen(bool value) { FMaximizeOnFullScreen = value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool value);
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int value);
  bool MenusAlphaBlend() const { return FMenusAlphaBlend; }
  void SetMenusAlphaBlend(bool value) { FMenusAlphaBlend = value; }
  bool MenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
  void SetMenusAlphaBlendAnimation(bool value) { FMenusAlphaBlendAnimation = value; }
  int MenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
  void SetMenusAlphaBlendValue(int value) { FMenusAlphaBlendValue = value; }
  // Shows the caption objects' hints through a TsfSkinHint, with ShowObjectHint.
  TsfSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TsfSkinHint* value);
  bool ShowObjectHint() const { return FShowObjectHint; }
  void SetShowObjectHint(bool value) { FShowObjectHint = value; }
  bool UseDefaultObjectHint() const { return FUseDefaultObjectHint; }
  void SetUseDefaultObjectHint(bool value) { FUseDefaultObjectHint = value; }
  TFont& DefCaptionFont() { return FDefCaptionFont; }
  TFont& DefInActiveCaptionFont() { return FDefInActiveCaptionFont; }
  bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
  void SetUseDefaultSysMenu(bool value) { FUseDefaultSysMenu = value; }
  TsfSkinStatusBar* StatusBar() const { return FStatusBar; }
  void SetStatusBar(TsfSkinStatusBar* value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value) { FMinWidth = value; }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int value) { FMinHeight = value; }
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value) { FMaxWidth = value; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int value) { FMaxHeight = value; }
  bool Magnetic() const { return FMagnetic; }
  void SetMagnetic(bool value) { FMagnetic = value; }
  int MagneticSize() const { return FMagneticSize; }
  void SetMagneticSize(int value) { FMagneticSize = value & 0xFF; }

  // --- events ---
  TsfCaptionPaintEvent OnCaptionPaint;
  TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
  TNotifyEvent OnActivate, OnDeActivate, OnSkinMenuOpen, OnSkinMenuClose;
  TNotifyEvent OnChangeRollUpState, OnMinimizeToTray, OnRestoreFromTray;
  TNotifyEvent OnMinimize, OnRestore, OnMaximize;
  TShortCutEvent OnShortCut;
  TsfObjectNotifyEvent OnMouseEnterEvent, OnMouseLeaveEvent;
  TsfObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;
  TsfObjectMoveEvent OnMouseMoveEvent;
  TsfObjectPaintEvent OnPaintEvent;
  TsfActivateCustomObjectEvent OnActivateCustomObject;

  // --- state ---
  TForm& Form() const { return *FForm; }
  bool Skinnable() const { return FSkinnable; }
  // The skin of the frame's skin data is loaded (set by a change, cleared before one).
  bool SkinLoaded() const { return FSkinLoaded; }
  // Between the before-change and the change messages of its skin data.
  bool SkinChanging() const { return FSkinChanging; }
  bool FrameActive() const { return FActive; }
  TsfWindowState WindowState() const { return FWindowState; }
  bool RollUpState() const { return FRollUpState; }
  // The system shows the form's window minimized (the main form minimizes the
  // application, not the frame).
  bool FormIconic() const;
  bool MovingOrSizing() const { return FMovingOrSizing; }
  // A move or size loop has ended since the last non-client left press.
  bool MoveSizeJustEnded() const { return FMoveSizeJustEnded; }
  // The border is not none (no maximized MDI children here).
  bool Bordered() const;
  // AlwaysResize, or a sizeable border style.
  bool Resizable() const;
  int PlainCaptionHeight() const;
  const TsfFrameGeometry& Geometry() const { return FGeometry; }
  TPoint CachedSize() const { return {FCachedWidth, FCachedHeight}; }
  TsfSizeLimits SizeLimits() const;
  std::optional<TRect> RestoreBounds() const { return FRestoreBounds; }
  // The window's bounds when it is neither minimized nor maximized, in screen
  // coordinates: the frame's own restore bounds while it holds them (its maximize, the
  // minimize of a form other than the main one), the platform's normal placement while
  // the system shows the window minimized or maximized, else the form's bounds.
  TRect NormalBounds() const;

  // --- operations ---
  void ApplyFrameSkin();
  void UpdateFrameGeometry();
  void UpdateFrameRegion();
  // Paints the frame into `dc` (window coordinates), or on the window's own DC.
  void PaintFrame(HDC dc = nullptr);
  void PaintClientBackground(HDC dc);
  int FrameHitTest(TPoint windowPoint) const;
  void NudgeSize();
  void UpdateActiveState(bool animate);

  // Objects (the caption and its buttons).
  const TsfObjectList& Objects() const { return FObjects; }
  TsfActiveSkinObject* FindObject(const std::string& idName) const;
  int HotObject() const { return FHot; }
  int CapturedObject() const { return FCaptured; }
  void ArrangeObjects();
  void EvaluateButtons();
  void TrackObjects(std::optional<TPoint> windowPoint);
  void PressObject(TMouseButton button, TPoint windowPoint);
  void ReleaseObject(TMouseButton button, TPoint windowPoint);
  void ClearHoverStates();
  void DrawObject(TsfActiveSkinObject& object);
  void StartMorphTimer();
  void StartCaptionAnimation(TsfSkinCaptionObject& caption);
  // The plain caption rectangle (no skin).
  TRect PlainCaptionRect() const { return FPlainCaption; }
  // The form's small icon, made once.
  HICON SmallIcon();

  // Window commands.
  void SetWindowState(TsfWindowState state);
  void SetRollUpState(bool value);
  void TrayMinimize();
  void TrayRestore();
  void CaptionDoubleClick();
  // The rectangle a window moved to `proposed` snaps to near the work area's edges.
  TRect SnapToEdges(const TRect& proposed, TPoint cursor);
  // Opens the system menu beside `anchor` (a point for a click on the caption, the
  // button's rectangle for the button), screen coordinates: left-aligned below it, or
  // above it where the work area ends below, never over it.
  void PopupSystemMenu(const TRect& anchor);
  void FillTrayMenu();
  // Runs a system menu entry (SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CLOSE, ...).
  void RunSystemCommand(unsigned command);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FrameWndProc(TMessage& m, const std::function<void(TMessage&)>& next);
  bool HandleNonClient(TMessage& m, const std::function<void(TMessage&)>& next);
  bool HandleState(TMessage& m, const std::function<void(TMessage&)>& next);
  bool HandleSkinMessages(TMessage& m, const std::function<void(TMessage&)>& next);
  bool HandleQueries(TMessage& m);
  void MouseWork(const TMessage& m);
  void NcButtonDown(unsigned msg, TPoint windowPoint, bool onCaption);
  void OnNcHitTest(TMessage& m);
  void HandleTimer(unsigned id);
  void OnNcActivate(TMessage& m);
  void OnNcCalcSize(TMessage& m);
  void OnSize(TMessage& m, const std::function<void(TMessage&)>& next);
  void OnSizing(TMessage& m, const std::function<void(TMessage&)>& next);
  void OnMoving(TMessage& m);
  void OnShowWindow(bool showing);
  void OnGetMinMaxInfo(TMessage& m);
  void OnEnterSizeMove();
  void OnExitSizeMove();
  void BeforeChange(TsfSkinData* sender);
  void Change(TsfSkinData* sender);
  void SkinnableSwitch(bool value);
  void ShortCut(std::uint16_t key, TShiftState shift, bool& handled);
  void CorrectSize();
  void RebuildForSize();
  void CacheFormSize();
  void StopTimers();
  void SetTimerOn(unsigned id, bool on);
  bool TimerOn(unsigned id) const;
  void WindowCreated();
  void HoverPoll();
  void MorphStep();
  void CaptionAnimationStep();
  void FadeInStep();
  void StartFadeIn();
  void RebuildObjects();
  void AssignDefaultHints();
  // The object's hint through SkinHint, when ShowObjectHint and SkinHint are set.
  void ShowObjectHintOf(const TsfActiveSkinObject& object);
  void HideObjectHintOf(const TsfActiveSkinObject& object);
  void HideObjectHint();
  void ArrangeSkinned();
  void ArrangePlain();
  void ArrangeInPicture(const TRect& area);
  void PaintSkinnedFrame(HDC dc);
  void DrawObjectsInBands(TsfBorderImages& images);
  void PaintPlainFrame(HDC dc);
  void DrawPlainCaption(TCanvas& canvas, int captionHeight);
  void ApplyBorderIcons();
  void Minimize();
  void Maximize();
  void Restore();
  void ShowSizeGrip(bool show);
  void PlaceOnFirstShow();
  TPoint WindowPoint(std::intptr_t lParam) const;
  TRect FormBounds() const;
  void SetFormBounds(const TRect& r);

  TForm* FForm = nullptr;
  TsfSkinData* FSkinData = nullptr;
  TsfSkinData* FMenusSkinData = nullptr;
  // The skinned system menu, owned through the component tree; made when first shown.
  TsfSkinPopupMenu* FSystemPopup = nullptr;
  TsfSkinPopupMenu* FTrayMenu = nullptr;
  TsfTrayIcon* FTrayIcon = nullptr;
  TsfSkinStatusBar* FStatusBar = nullptr;
  TsfSkinHint* FSkinHint = nullptr;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize, biRollUp};
  bool FDisableSystemMenu = false;
  bool FAlwaysResize = false;
  TsfPositionInMonitor FPositionInMonitor = sfpDefault;
  bool FUseFormCursorInNCArea = false;
  int FMaxMenuItemsInWindow = 0;
  int FClientWidth = 0, FClientHeight = 0;
  bool FHideCaptionButtons = false;
  bool FAlwaysShowInTray = false, FAlwaysMinimizeToTray = false;
  TBitmap FLogoBitMap;
  bool FLogoBitMapTransparent = false;
  bool FUseSkinFontInMenu = true;
  int FDefMenuItemHeight = 20;
  TFont FDefMenuItemFont;
  bool FShowIcon = false;
  bool FMaximizeOnFullScreen = false;
  bool FAlphaBlend = false, FAlphaBlendAnimation = false;
  int FAlphaBlendValue = 200;
  bool FMenusAlphaBlend = false, FMenusAlphaBlendAnimation = false;
  int FMenusAlphaBlendValue = 200;
  bool FShowObjectHint = false, FUseDefaultObjectHint = true;
  TFont FDefCaptionFont, FDefInActiveCaptionFont;
  bool FUseDefaultSysMenu = true;
  int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
  bool FMagnetic = false;
  int FMagneticSize = 5;

  bool FSkinnable = true;
  bool FSkinLoaded = false;
  bool FSkinChanging = false;
  bool FApplying = false;
  bool FCorrectingSkinSize = false;  // the skin's frame is built after the correction
  bool FNudgingHidden = false;  // a nudge of a window not on screen: the frame stays
  bool FActive = false;
  TsfWindowState FWindowState = wsNormal;
  bool FRollUpState = false;
  bool FMovingOrSizing = false, FMoveSizeJustEnded = false, FFullDrag = false;
  int FCachedWidth = 0, FCachedHeight = 0;
  TsfFrameGeometry FGeometry;
  TsfMaskBandImages FMaskBands;
  bool FRegionSet = false;  // the window wears a region the frame gave it
  TPoint FRegionSize{0, 0};  // the window size the skinned region was cut for
  TRect FPlainCaption;
  TsfObjectList FObjects;
  int FHot = -1, FPrevHot = -1, FCaptured = -1;
  // Bits of the running timers; a timer asked for before the window exists runs
  // from the window's making.
  unsigned FTimers = 0;
  std::optional<TRect> FRestoreBounds;
  bool FRollUpBeforeMaximize = false, FRolledUpWhileMaximized = false;
  int FRollUpHeight = 0;
  bool FPlacementPending = true;
  bool FSnapLeft = false, FSnapTop = false, FSnapRight = false, FSnapBottom = false;
  TPoint FSnapOrigin;
  TIconHandle FIcon;
  bool FMenuOpen = false;
  bool FGripHidden = false;
  bool FIconicDblClick = false;
};

// The walks of a skin change over `root`'s control tree, a parent before its
// children and children in child order, visiting only controls bound to `data`:
// ReleaseSkin on the windowed skinned controls, ApplySkin on all skinned ones.
void ReleaseSkinOfControls(TControl& root, TsfSkinData* data);
void ApplySkinToControls(TControl& root, TsfSkinData* data);
// ApplySkin on every skinned control whatever its skin data.
void ApplySkinToAllControls(TControl& root);

// The system menu's entries for the frame's state, in order: SC_MINIMIZE,
// SC_MAXIMIZE, SC_RESTORE, SC_ROLLUP (kScRollUp), SC_MINTOTRAY (kScMinToTray), a 0
// for the divider, SC_CLOSE.
constexpr unsigned kScRollUp = 0xF1F0;
constexpr unsigned kScMinToTray = 0xF1E0;
std::vector<unsigned> SystemMenuEntries(const TsfSkinForm& frame);
