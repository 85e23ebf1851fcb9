#pragma once
// What the list box and the combo box share about drawing one item: the state an
// item is drawn in, the user's draw-item event, and the text in its rectangle.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/sfSkinValues.h"
#include "ui/Component.h"

class TBitmap;
class TCanvas;
class TFont;
class TStrings;

// The platform's owner-draw state bits.
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 0x0001;
constexpr TOwnerDrawState odFocused = 0x0010;

// Replaces the drawing of an item's image and text: Cnvs is the item's own
// off-screen image (ItemWidth x ItemHeight), TxtRect where its text goes.
using TsfDrawSkinItemEvent =
    std::function<void(TObject* Sender, TCanvas& Cnvs, int Index, int ItemWidth, int ItemHeight,
                       TRect TxtRect, TOwnerDrawState State)>;

// One line of text from x, centred vertically in `clip` and cut off at its edges,
// in the canvas's font and font colour, over what is already there.
void DrawItemText(TCanvas& canvas, const TRect& clip, int x, const std::string& text);
// The same with tab characters expanded to `tabStops` (pixels from x).
void DrawTabbedItemText(TCanvas& canvas, const TRect& clip, int x, const std::string& text,
                        const std::vector<int>& tabStops);
// The platform's dotted focus rectangle (drawn by inverting).
void DrawFocusRectangle(TCanvas& canvas, const TRect& r);
// Up to 10 tab stops from texts of decimal digits; any other text counts as 0.
std::vector<int> TabStopsFrom(const TStrings& widths);
// The framework font for a skin definition's font.
void AssignSkinFont(TFont& font, const TsfSkinFont& skinFont);

// Item faces already built from a picture: the horizontal three-part image of an
// item picture at a width, kept for the next paint of the list.
class TsfItemFaces {
 public:
  TsfItemFaces();
  ~TsfItemFaces();
  const TBitmap& Face(const TBitmap& picture, const TRect& image, int leftOffset, int rightOffset, bool stretch,
                      int width);
  void Clear();

 private:
  struct TEntry {
    const TBitmap* Picture = nullptr;
    TRect Image;
    int Left = 0, Right = 0, Width = -1;
    bool Stretch = false;
    std::unique_ptr<TBitmap> Face;
  };
  TEntry FEntries[4];
  int FNext = 0;
};
