#pragma once
// TsfSkinCustomListView: the platform's list view (icons, small icons, list and
// details) in the colours and font of a `listview` definition, with no border or
// scroll bars of its own: two skinned scroll bars, when attached, follow the
// platform list's scrolling state and scroll it.
#include <functional>
#include <string>

#include "sfSkinBinding.h"
#include "sfSkinnable.h"
#include "ui/Font.h"
#include "ui/WinControl.h"

class TsfSkinScrollBar;
class TBitmap;
class TCanvas;

// Where a header section's caption goes in its text area: the text (shortened with
// "..." by whole characters when too wide), its x, and the image's x. Without an
// image imageWidth is -1.
struct TsfHeaderCaptionLayout {
  std::string Text;
  int TextX = 0;
  int ImageX = 0;
};
TsfHeaderCaptionLayout LayoutHeaderCaption(const TRect& area, const std::string& caption,
                                           TAlignment alignment, int imageWidth,
                                           const std::function<int(const std::string&)>& textWidth);

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// Answered for callers outside the program: the skin library's version code.
constexpr unsigned SF_LISTVIEW_VERSION = 45513;  // returns 12851
constexpr unsigned SF_LISTVIEW_PAINTHEADER = 45512;

class TsfSkinCustomListView : public TWinControl, public TsfSkinnable {
 public:
  explicit TsfSkinCustomListView(TComponent* AOwner);
  ~TsfSkinCustomListView() override;

  TsfSkinData* SkinData() const override { return FBinding.SkinData(); }
  void SetSkinData(TsfSkinData* value);
  const std::string& SkinDataName() const { return FBinding.Name(); }
  void SetSkinDataName(const std::string& value) { FBinding.SetName(value); }
  const std::string& HeaderSkinDataName() const { return FHeaderSkinDataName; }
  void SetHeaderSkinDataName(const std::string& value) { FHeaderSkinDataName = value; }
  int DefinitionIndex() const { return FBinding.DefinitionIndex(); }
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool value) { FUseSkinFont = value; }
  TColor DefaultColor() const { return FDefaultColor; }

  TViewStyle ViewStyle() const { return FViewStyle; }
  virtual void SetViewStyle(TViewStyle value);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool value);
  // The platform list asks its owner for each item's text (owner data).
  bool OwnerData() const { return FOwnerData; }
  void SetOwnerData(bool value) { FOwnerData = value; }
  // Captions may be edited in place (set before the window exists).
  bool EditLabels() const { return FEditLabels; }
  void SetEditLabels(bool value) { FEditLabels = value; }
  // More than one item may be selected (set before the window exists).
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value) { FMultiSelect = value; }
  void SetItemCount(int count);
  int ItemCount() const;
  void AddColumn(const std::string& caption, int width, TAlignment alignment);
  int ColumnCount() const;
  void ClearColumns();

  TsfSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TsfSkinScrollBar* value);
  TsfSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TsfSkinScrollBar* value);

  // The skin step: colours and font from the definition (or the defaults), then
  // the scroll bars.
  void ApplySkin() override;
  void ReleaseSkin() override { FBinding.Release(); }
  // Brings the attached bars in line with the platform list's scrolling state.
  void UpdateScrollBars();

  void WndProc(TMessage& message) override;

  // The platform header whose procedure the list has replaced, or nullptr.
  HWND HookedHeader() const { return FHeader; }
  int PressedSection() const { return FPressed ? FPressedIndex : -1; }
  // Paints the header into `dc`, which stays the caller's.
  void PaintHeader(HDC dc);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void VisibleChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The vertical and horizontal bars' OnChange.
  void VScrollStep();
  void HScrollStep();

 private:
  struct TRangeInfo {
    int Min = 0, Max = 0, Position = 0;
  };
  TRangeInfo PlatformRange(bool vertical) const;
  TRect FirstItemBounds() const;
  int CountPerPage() const;
  void ApplyColors();
  // Shows or hides `bar` (with the updating flag set); true when that changed.
  bool ShowBar(TsfSkinScrollBar* bar, bool visible);
  bool UpdateVertical();
  bool UpdateHorizontal();

  void HookHeader(HWND header);
  void UnhookHeader();
  static std::intptr_t __stdcall HeaderProc(HWND wnd, unsigned msg, std::uintptr_t wParam,
                                           std::intptr_t lParam);
  std::intptr_t HeaderMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
  void HeaderMouse(unsigned msg, std::intptr_t lParam);
  TRect SectionRect(int position) const;
  void PaintSection(TCanvas& canvas, const TRect& rect, int column, bool pressed);
  void PaintSectionCaption(TCanvas& canvas, const TRect& area, int column);
  void PaintHeaderRest(TCanvas& canvas, const TRect& rect);
  // The header definition's image of `s` resized to w x h into `target`; false when
  // the header is unskinned.
  bool HeaderImage(TBitmap& target, bool pressed, int w, int h, bool noRight);

  TsfSkinBinding FBinding{*this};
  HWND FHeader = nullptr;
  void* FHeaderProc = nullptr;
  int FPressedIndex = -1;
  bool FPressed = false;
  bool FFullDrag = false;
  std::string FHeaderSkinDataName = "resizebutton";
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  TColor FDefaultColor = clWindow;
  TColor FBackColor = clWindow;
  TViewStyle FViewStyle = vsIcon;
  bool FShowColumnHeaders = true;
  bool FOwnerData = false;
  bool FEditLabels = false;
  bool FMultiSelect = false;
  int FPendingCount = 0;
  TsfSkinScrollBar* FVScrollBar = nullptr;
  TsfSkinScrollBar* FHScrollBar = nullptr;
  int FLastVPos = 0, FLastHPos = 0;
  bool FUpdating = false;
  bool FScrolling = false;
};
