#pragma once
// The look of our skins in one place: the design palette, the faces of buttons,
// fields and plates in their states, and the small glyphs, shared by every picture;
// and for each skin the tone its pictures are drawn in and the shapes that set it apart.
#include "SkinCanvas.h"
#include "skin/data/sfIniFile.h"

namespace look {

// What sets one skin's pictures apart from another's. Sizes of pictures whose images
// are not laid out by a frame of their own definition are here; the others follow
// their definition (SkinLayout.h).
struct TLook {
  const char* SkinName;  // [VERSION] skinname of the skin drawn in this look
  TTone Tone;            // none: the design palette itself
  int TopRadius, BottomRadius;  // the window's rounded corners, as the mask cuts them
  double ButtonRadius;          // corners of push buttons
  int CaptionWidth, CaptionHeight;    // caption buttons (and caption frame images)
  int MenuWidth, MenuHeight;          // menu items
  int ControlsWidth, ControlsHeight;  // every control
  int MainColours;                    // colour table entries of the main picture
  TRgb Desk;                          // behind the window in the preview, as stored
};

// The look of the skin whose definition this is, chosen by [VERSION] skinname; an
// unknown skin name is an error.
const TLook& LookOf(const TsfIniFile& ini);

// The window face and its highlight and shadow, as [SKINCOLORS] gives them.
constexpr TRgb kFace = Rgb(224, 226, 235);
constexpr TRgb kFaceLight = Rgb(238, 238, 244);
constexpr TRgb kFaceShadow = Rgb(201, 203, 222);
constexpr TRgb kWhite = Rgb(255, 255, 255);
// Pixels of this colour are left out where a definition says so (16711935).
constexpr TRgb kTransparent = Rgb(255, 0, 255);

constexpr TRgb kGlyph = Rgb(58, 64, 94);
constexpr TRgb kGlyphSoft = Rgb(110, 116, 148);
constexpr TRgb kGlyphDim = Rgb(160, 164, 182);
constexpr TRgb kOutline = Rgb(160, 166, 192);
constexpr TRgb kOutlineSoft = Rgb(196, 200, 218);
constexpr TRgb kSeparator = Rgb(214, 217, 229);
constexpr TRgb kAccentDeep = Rgb(104, 112, 170);
constexpr TRgb kFocusRing = Rgb(214, 219, 247);
constexpr TRgb kTrack = Rgb(240, 241, 247);
constexpr TRgb kBarTop = Rgb(248, 249, 252);
constexpr TRgb kBarBottom = Rgb(230, 232, 241);
constexpr TRgb kHeaderTop = Rgb(250, 251, 253);
constexpr TRgb kHeaderBottom = Rgb(235, 237, 244);
constexpr TRgb kPage = Rgb(250, 250, 252);

enum class TState { Normal, Hot, Down, Focused, Disabled };

// A push button face filling `r` on the window face.
void ButtonFace(TSkinCanvas& c, const TRect& r, TState state, double radius = 2.5);
// The rounded plate of a flat button (tool buttons, caption buttons, list items)
// drawn over what is there: Hot and Down only; Normal and Disabled draw nothing.
void Plate(TSkinCanvas& c, const TRect& r, TState state, double radius = 3);
// A white text field: Normal, Hot (the focused or hot look) or Disabled.
void Field(TSkinCanvas& c, const TRect& r, TState state, TRgb outside = kFace);
// A selected list item: Normal selection, or Focused.
void Selection(TSkinCanvas& c, const TRect& r, TState state);
// A box of a check box or radio button, `round` for radio buttons.
void CheckBox(TSkinCanvas& c, const TRect& r, TState state, bool checked, bool round);
// A filled bar in the accent colour (progress of a gauge).
void AccentBar(TSkinCanvas& c, const TRect& r, bool vertical);
// A scroll bar thumb, Normal, Hot or Down.
void Thumb(TSkinCanvas& c, const TRect& r, TState state);

// Glyphs centred on (cx, cy), in pixel-edge coordinates.
void Chevron(TSkinCanvas& c, double cx, double cy, int direction, double size, TRgb colour,
             double width = 1.3);  // direction: 1 left, 2 right, 3 up, 4 down
void Cross(TSkinCanvas& c, double cx, double cy, double half, TRgb colour, double width = 1.3);
void CheckMark(TSkinCanvas& c, double x, double y, double scale, TRgb colour, double width = 1.6);
// The drop-down marker: rows of 5, 3 and 1 pixels, the first at (cx - 2, y).
void DropMarker(TSkinCanvas& c, int cx, int y, TRgb colour);
// Grip dots of 2 x 2 pixels, `columns` x `rows` of them 4 pixels apart from (x, y);
// only those on or below the diagonal when `triangle`.
void GripDots(TSkinCanvas& c, int x, int y, int columns, int rows, bool triangle);

}  // namespace look
