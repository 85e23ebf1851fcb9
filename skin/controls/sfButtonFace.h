#pragma once
// What the speed button and the push button share: the values they copy from a
// button-kind definition, the frames of an animation strip, the choice of glyph
// in a glyph strip, the plain faces, and their timers.
#include <functional>
#include <memory>
#include <string>

#include "skin/data/sfSkinValues.h"
#include "ui/Component.h"
#include "ui/Types.h"

class TBasicAction;
class TBitmap;
class TCanvas;
class TControl;
class TFont;
class TsfDataSkinControl;
class TTimer;
struct TsfSkinGeometry;


struct TsfButtonSkinValues {
  std::string fontname = "Arial";
  int fontheight = 14;
  TsfFontStyles fontstyle;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  TRect activeskinrect, downskinrect, focusedskinrect, disabledskinrect;
  bool morphing = false;
  TsfMorphKind morphkind = mkDefault;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool showfocus = false;
  TRect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  TColor menumarkertransparentcolor = 0;
};

// The values of a button-kind definition with the usual substitutions: an empty hot
// image takes `skinrect`, an empty pressed image the hot one, and a disabled caption
// colour equal to the normal one becomes grey. Any other definition gives the defaults.
TsfButtonSkinValues FetchButtonSkinValues(const TsfDataSkinControl* def);

// Sets the canvas font of a skinned button face: the definition's font when
// `useSkinFont`, else `defaultFont`, in the colour of the button's state.
void PrepareButtonFaceFont(TCanvas& canvas, const TsfButtonSkinValues& skin, bool useSkinFont,
                           const TFont& defaultFont, bool useSkinFontColor, bool enabled,
                           bool active, bool down);

// Frame `frame` (1-based) of an animation strip of `frameCount` frames: side by side
// when the strip is wider than `skinRect`, else stacked.
TRect AnimationFrameRect(const TRect& strip, const TRect& skinRect, int frameCount, int frame);

// Which glyph of a strip of `numGlyphs` a button shows: 1 up, 2 disabled, 3 pressed,
// 4 down.
int StripGlyphNumber(bool down, bool hot, bool enabled, int numGlyphs);

enum class TsfPlainFace {
  Clear,   // nothing drawn: the parent shows through
  Filled,  // button face
  Framed,  // button face in a shadow frame
  Hot,     // navy frame, light blue-grey fill
  Down,    // navy frame, darker fill
};
void DrawPlainFace(TCanvas& canvas, const TRect& r, TsfPlainFace face);

// What a skinned button face is drawn from: the geometry the button copied from its
// definition (with Cl' for its current size), its picture, UseSkinSize, and the
// button's own routine for a state image at its size.
struct TsfButtonFaceSource {
  const TsfSkinGeometry* Skin = nullptr;
  TBitmap* Picture = nullptr;
  bool UseSkinSize = true;
  std::function<void(TBitmap& B, const TRect& R)> DrawImage;
};

// Image R of the picture as the face of a button the size of B; returns the caption
// area on it. With UseSkinSize off and a definition that is not nine-part the image
// is rescaled to B's size (stretched in the fixed mode, keeping its border around Cl
// in the others) and the caption area is Cl grown by the difference in size;
// otherwise the button's own routine draws it and the area is Cl'.
TRect DrawButtonFaceImage(TBitmap& B, const TRect& R, const TsfButtonFaceSource& source);

// `normal` becomes the transition of `kind` from itself (factor 0) toward `hot`
// (factor 1). Both faces have the button's size.
void MorphFaces(TBitmap& normal, const TBitmap& hot, TsfMorphKind kind, double factor);

// Runs a button's click: its own OnClick when set, else its action (outside design
// mode).
void RunButtonClick(TControl& button);

// An empty glyph takes the image of an action whose image list holds its index: the
// glyph is filled with magenta (its transparent colour), then the image is drawn on
// it. True when the glyph changed.
bool CopyActionImage(TBitmap& glyph, TBasicAction* action);

// A timer that starts stopped, owned by the caller.
std::unique_ptr<TTimer> MakeStoppedTimer(TNotifyEvent onTimer);

// The three timers of a button: the repeat of a held button, the morph between its
// normal and hot faces, and the frames of its animation strip.
class TsfButtonTransitions {
 public:
  struct THooks {
    std::function<void()> Repaint;
    std::function<void()> Click;
    std::function<bool()> Hot;          // the morph steers toward the hot face
    std::function<bool()> MorphActive;  // the button is skinned and may morph
  };
  explicit TsfButtonTransitions(THooks hooks);
  ~TsfButtonTransitions();

  // Waits 500 ms, then clicks every `interval` ms.
  void StartRepeat(int interval);
  void StopRepeat();
  // Goes on where it stopped (after the pointer came back).
  void ResumeRepeat();
  bool RepeatRunning() const;

  // Every 20 ms the factor moves 0.2 toward 1 while hot, toward 0 otherwise, and
  // the button repaints; the timer stops at the end.
  double MorphFactor() const { return FMorphFactor; }
  void SetMorphFactor(double value) { FMorphFactor = value; }
  void StartMorph();
  void StopMorph();
  bool MorphRunning() const;
  // A button that went down shows its down face at once; one that came up fades
  // from its hot face back.
  void DownChanged(bool down);

  // The counter runs 1 .. frameCount (inward) or back to 1 (outward), one step every
  // `interval` ms with a repaint, and stops past its end.
  void StartAnimation(bool inward, int frameCount, int interval);
  void StopAnimation();
  bool AnimationRunning() const;
  int AnimationFrame() const { return FFrame; }
  bool AnimationInward() const { return FInward; }

 private:
  void RepeatTick();
  void MorphTick();
  void AnimateTick();

  THooks FHooks;
  bool FRepeating = false;
  int FRepeatInterval = 100;
  double FMorphFactor = 0;
  int FFrame = 0;
  int FFrameCount = 0;
  bool FInward = true;
  std::unique_ptr<TTimer> FRepeatTimer;
  std::unique_ptr<TTimer> FMorphTimer;
  std::unique_ptr<TTimer> FAnimateTimer;
};

// Every other button of `self`'s kind on the same parent in its group that is
// down goes up (through its setter, so it repaints). Buttons of other parents are
// never touched.
template <class TButton>
void ReleaseButtonGroup(TButton* self) {
  auto* parent = self->Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TButton*>(parent->Controls(i));
    if (other && other != self && other->GroupIndex() == self->GroupIndex() && other->Down())
      other->SetDown(false);
  }
}
