#pragma once
// TsfSkinHintWindow: the application's hint window while a TsfSkinHint is in use. With
// the skin's [HINTWINDOW] picture it draws the picture as a nine-part image around the
// text; without one it looks like the plain hint window. Lines are split at the
// component's LineSeparator.
#include <string>
#include <vector>

#include "skin/data/sfUtilsPieces.h"
#include "ui/HintWindow.h"

class TBitmap;
class TsfDataSkinHintWindow;
class TsfSkinHint;

class TsfSkinHintWindow : public THintWindow {
 public:
  explicit TsfSkinHintWindow(TComponent* AOwner);
  ~TsfSkinHintWindow() override;

  TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) override;
  void ActivateHint(TRect Rect, const std::string& AHint) override;

  // The component this window follows: its owner when that is one, else the main
  // form's active one.
  TsfSkinHint* SkinHint() const;
  // The skin's hint window picture is in use.
  bool Skinned() const { return FPicture != nullptr; }
  // Where the text goes in a window of the current size.
  TRect TextRect() const;
  // The whole window as it is painted.
  void PaintTo(TBitmap& image);
  // The alpha the window was last given (255 when not layered).
  int CurrentAlpha() const { return FAlpha; }

 protected:
  void Paint() override;

 private:
  // The skin's hint window definition and picture, when the skin has them.
  void FindDefinition();
  // Takes the definition and the font for the next hint.
  void Prepare();
  std::vector<std::string> Lines(const std::string& text) const;
  TRect WorkArea() const;
  void ApplyAlpha();

  const TsfDataSkinHintWindow* FDef = nullptr;
  TBitmap* FPicture = nullptr;
  TsfNinePartGeometry FGeometry;
  int FAlpha = 255;
};

// The moves that keep a hint window of `r` inside the work area `wa`: left by its
// width + 2 when it passes the right edge, up by its height + 2 when it passes the
// bottom.
TRect MoveHintIntoWorkArea(TRect r, const TRect& wa);
// `text` split at every `separator` (an empty separator leaves it whole).
std::vector<std::string> SplitHintLines(const std::string& text, const std::string& separator);
