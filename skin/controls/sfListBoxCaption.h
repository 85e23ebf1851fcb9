#pragma once
// The caption strip of a list box in caption mode: where the strip and its up, down
// and check buttons lie (plain, or from the list's definition), how the strip is
// drawn, and the held-button state with its repeat.
#include <functional>
#include <string>

#include "skin/data/sfSkinValues.h"
#include "ui/Types.h"

class TBitmap;
class TCanvas;
class TFont;
class TsfDataSkinListBox;

// Buttons of the strip, numbered as their rectangles are stored.
constexpr int sflcUp = 0, sflcDown = 1, sflcCheck = 2, sflcNone = -1;

struct TsfListCaptionLayout {
  TRect Strip;
  TRect Buttons[3];
  // Where the caption's glyph and text go: the strip left of the buttons.
  TRect Text;
};

// The button under a point; sflcNone for none.
int ListCaptionButtonAt(const TsfListCaptionLayout& l, TPoint p);

// The plain strip: `captionHeight` high inside the one-pixel frame of a list
// `width` wide, three square buttons (side captionHeight - 3, at most 17) at its
// right end, from the right edge inwards up, down, check.
TsfListCaptionLayout PlainListCaptionLayout(int width, int captionHeight);

// The caption values of a list-box definition, empty pressed images already
// replaced by the hot ones.
struct TsfListCaptionSkin {
  TRect CaptionRect;
  TRect Buttons[3], ActiveButtons[3], DownButtons[3];
};

void CopyListCaptionSkin(const TsfDataSkinListBox& d, TsfListCaptionSkin& s);
// The skinned strip: the definition's places mapped onto the control by `map`.
TsfListCaptionLayout SkinListCaptionLayout(const TsfListCaptionSkin& s,
                                           const std::function<TRect(const TRect&)>& map);

// What the strip shows.
struct TsfListCaptionLook {
  std::string Caption;
  TAlignment Alignment = taLeftJustify;
  const TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  int Spacing = 2;
  bool Enabled = true;
  int Hot = sflcNone, Pressed = sflcNone;
};

// The plain strip with its buttons (hot and pressed faces as the other plain
// controls) and the glyph and caption in the canvas's font.
void DrawPlainListCaption(TCanvas& canvas, const TsfListCaptionLayout& l,
                          const TsfListCaptionLook& look);
// The skinned strip over the frame image already on the canvas: the buttons' hot
// and pressed images, then the glyph and caption in the canvas's font.
void DrawSkinListCaption(TCanvas& canvas, TBitmap& picture, const TsfListCaptionLayout& l,
                         const TsfListCaptionSkin& s, const TsfListCaptionLook& look);

// The press of a caption button and its repeat: the first repeat `FirstDelay` ms
// after the press, then every `RepeatDelay` ms while the mouse stays on the button.
class TsfListCaptionButtons {
 public:
  static constexpr unsigned FirstDelay = 600, RepeatDelay = 100;

  int Hot() const { return FHot; }
  int Pressed() const { return FPressed; }
  // A left press over `button`; `repeats` when it steps while held.
  void Press(int button, bool repeats);
  // The mouse is now over `button` (sflcNone: over none).
  void Move(int button);
  // Ends the press; true when it ended over the pressed button (its action is due).
  bool Release(int button);
  void Leave();
  void Tick();
  // The press ends without any action (capture lost, cancel mode).
  void Cancel();

  std::function<void(unsigned ms)> StartTimer;
  std::function<void()> StopTimer;
  std::function<void(int button)> Step;
  std::function<void()> Changed;

 private:
  void SetHot(int button);
  void Stop();

  int FHot = sflcNone;
  int FPressed = sflcNone;
  bool FRepeats = false;
  bool FTimerRunning = false;
};
