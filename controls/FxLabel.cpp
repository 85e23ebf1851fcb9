#include <windows.h>

#include "controls/FxLabel.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ui/SysUtils.h"
#include "ui/Timer.h"

namespace {

// The clock every label blinks by. It lives from the first label's creation to
// the last one's destruction, and its timer runs only while some label blinks.
class TFxBlinkRegistry {
 public:
  TFxBlinkRegistry() {
    FTimer.SetEnabled(false);
    FTimer.SetInterval(IntervalOff);
    FTimer.SetOnTimer([this](TObject*) { Tick(); });
  }

  std::uint16_t IntervalOn = 500;
  std::uint16_t IntervalOff = 500;

  void Add(TFxLabel* label) { FLabels.push_back(label); }
  void Remove(TFxLabel* label) {
    FLabels.erase(std::remove(FLabels.begin(), FLabels.end(), label), FLabels.end());
    Update();
  }
  bool Empty() const { return FLabels.empty(); }

  // Starts or stops the clock as labels start or stop blinking.
  void Update() {
    bool any = std::any_of(FLabels.begin(), FLabels.end(), [](TFxLabel* l) { return l->Blinking(); });
    FTimer.SetInterval(FState ? IntervalOn : IntervalOff);
    FTimer.SetEnabled(any);
  }

 private:
  void Tick() {
    FState = !FState;
    FTimer.SetInterval(FState ? IntervalOn : IntervalOff);
    std::vector<TFxLabel*> labels = FLabels;
    for (TFxLabel* label : labels)
      if (label->Blinking()) label->ShowBlinkState(FState);
  }

  std::vector<TFxLabel*> FLabels;
  bool FState = false;
  TTimer FTimer{nullptr};
};

std::unique_ptr<TFxBlinkRegistry>& BlinkRegistry() {
  static std::unique_ptr<TFxBlinkRegistry> registry;
  return registry;
}

constexpr double kPi = 3.14159265358979323846;

// Only outline fonts can be turned. The platform's bitmap and vector families are
// known by name as well: a platform that lacks one of them stands an outline font in
// for it and calls the request TrueType (Wine without its bitmap fonts does), while
// the same label elsewhere would get the bitmap font.
bool IsTrueTypeFont(TFont& font) {
  static const char* const others[] = {"MS Sans Serif", "MS Serif", "Courier", "System",
                                       "Small Fonts", "Terminal", "Fixedsys", "Modern",
                                       "Roman", "Script"};
  for (const char* name : others)
    if (SameText(font.Name(), name)) return false;
  return font.IsTrueType();
}

}  // namespace

TFxLabel::TFxLabel(TComponent* AOwner)
    : TCustomLabel(AOwner), FFontColor(Font().Color()), FCurrentColor(Font().Color()) {
  auto& registry = BlinkRegistry();
  if (!registry) registry = std::make_unique<TFxBlinkRegistry>();
  registry->Add(this);
}

TFxLabel::~TFxLabel() {
  // The registry may already be gone when a label outlives the program's statics.
  auto& registry = BlinkRegistry();
  if (!registry) return;
  registry->Remove(this);
  if (registry->Empty()) registry.reset();
}

// ---- rotation ------------------------------------------------------------------

void TFxLabel::RequireTrueType() {
  if (!IsTrueTypeFont(Font())) Font().SetName("Verdana");
}

void TFxLabel::SetAngle(int value) {
  value %= 360;
  if (value < 0) value += 360;
  if (value == FAngle) return;
  FAngle = value;
  if (FRotation == roNone && value != 0) FRotation = roFlat;
  if (!IsLoading() && value != 0) RequireTrueType();
  AdjustBounds();
  Invalidate();
}

void TFxLabel::SetRotation(TRotation value) {
  if (value == FRotation) return;
  FRotation = value;
  if (value == roFlat) {
    FAngle = 0;
    FCenterPoint = cpCenter;
  } else if (value == roNone) {
    FAngle = 0;
  }
  if (!IsLoading() && value != roNone) RequireTrueType();
  Invalidate();
}

void TFxLabel::SetCenterPoint(TCenterPoint value) {
  if (value == FCenterPoint) return;
  FCenterPoint = value;
  Invalidate();
}

// ---- text style ------------------------------------------------------------------

void TFxLabel::SetTextStyle(TTextStyle value) {
  if (value == FTextStyle) return;
  FTextStyle = value;
  Invalidate();
}

void TFxLabel::SetLightTextStyle(bool value) {
  if (value == FLightTextStyle) return;
  FLightTextStyle = value;
  Invalidate();
}

void TFxLabel::SetHighlightColor(TColor value) {
  if (value == FHighlightColor) return;
  FHighlightColor = value;
  Invalidate();
}

void TFxLabel::SetShadowColor(TColor value) {
  if (value == FShadowColor) return;
  FShadowColor = value;
  Invalidate();
}

void TFxLabel::SetShadowDepth(int value) {
  if (value == FShadowDepth) return;
  FShadowDepth = value;
  Invalidate();
}

void TFxLabel::SetTextMargin(int value) {
  if (value == FTextMargin) return;
  FTextMargin = value;
  Invalidate();
}

void TFxLabel::SetCondenseCaption(TCondenseCaption value) {
  if (value == FCondenseCaption) return;
  FCondenseCaption = value;
  if (value != ccNone) SetAutoSize(false);
  Invalidate();
}

// ---- blinking and hover ---------------------------------------------------------

void TFxLabel::SetBlinking(bool value) {
  if (value == FBlinking) return;
  FBlinking = value;
  if (!value) {
    FCurrentColor = FFontColor;
    Invalidate();
  }
  BlinkRegistry()->Update();
}

void TFxLabel::SetBlinkColor(TColor value) {
  if (value == FBlinkColor) return;
  bool showing = FBlinking && FCurrentColor == FBlinkColor;
  FBlinkColor = value;
  if (showing) {
    FCurrentColor = value;
    Invalidate();
  }
}

std::uint16_t TFxLabel::BlinkIntervalOn() const { return BlinkRegistry()->IntervalOn; }

void TFxLabel::SetBlinkIntervalOn(std::uint16_t value) {
  BlinkRegistry()->IntervalOn = value;
  BlinkRegistry()->Update();
}

std::uint16_t TFxLabel::BlinkIntervalOff() const { return BlinkRegistry()->IntervalOff; }

void TFxLabel::SetBlinkIntervalOff(std::uint16_t value) {
  BlinkRegistry()->IntervalOff = value;
  BlinkRegistry()->Update();
}

void TFxLabel::ShowBlinkState(bool on) {
  FCurrentColor = on ? FBlinkColor : FFontColor;
  Invalidate();
}

void TFxLabel::SetFlyByEnabled(bool value) { FFlyByEnabled = value; }
void TFxLabel::SetFlyByColor(TColor value) { FFlyByColor = value; }

void TFxLabel::MouseEnter() {
  if (FFlyByEnabled && !FFlyByActive) {
    FFlyBySavedColor = Font().Color();
    FFlyByActive = true;
    Font().SetColor(FFlyByColor);
  }
  TCustomLabel::MouseEnter();
}

void TFxLabel::MouseLeave() {
  if (FFlyByActive) {
    FFlyByActive = false;
    Font().SetColor(FFlyBySavedColor);
  }
  TCustomLabel::MouseLeave();
}

// ---- borders -----------------------------------------------------------------------

void TFxLabel::BordersChanged() {
  AdjustBounds();
  Invalidate();
}

void TFxLabel::SetBorderOuter(TFrameStyle value) {
  if (value == FBorderOuter) return;
  FBorderOuter = value;
  BordersChanged();
}

void TFxLabel::SetBorderInner(TFrameStyle value) {
  if (value == FBorderInner) return;
  FBorderInner = value;
  BordersChanged();
}

void TFxLabel::SetBorderSides(TSides value) {
  if (value == FBorderSides) return;
  FBorderSides = value;
  Invalidate();
}

void TFxLabel::SetBorderWidth(int value) {
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  BordersChanged();
}

void TFxLabel::SetBevelWidth(int value) {
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  BordersChanged();
}

void TFxLabel::SetBorderColor(TColor value) {
  if (value == FBorderColor) return;
  FBorderColor = value;
  Invalidate();
}

void TFxLabel::SetBorderHighlight(TColor value) {
  if (value == FBorderHighlight) return;
  FBorderHighlight = value;
  Invalidate();
}

void TFxLabel::SetBorderShadow(TColor value) {
  if (value == FBorderShadow) return;
  FBorderShadow = value;
  Invalidate();
}

void TFxLabel::SetFlatColor(TColor value) {
  if (value == FFlatColor) return;
  FFlatColor = value;
  Invalidate();
}

void TFxLabel::SetFlatColorAdjustment(int value) {
  if (value == FFlatColorAdjustment) return;
  FFlatColorAdjustment = value;
  Invalidate();
}

TFrameColors TFxLabel::BorderColors() const {
  TFrameColors colors;
  colors.Flat = FFlatColor;
  colors.Highlight = FBorderHighlight;
  colors.Shadow = FBorderShadow;
  return colors;
}

TRect TFxLabel::ShrinkByBorders(const TRect& rect, bool withBorderWidth) const {
  TRect r = InsetSides(rect, FrameStyleWidth(FBorderOuter, FBevelWidth), FBorderSides);
  if (withBorderWidth) r = InsetSides(r, FBorderWidth, AllSides);
  return InsetSides(r, FrameStyleWidth(FBorderInner, FBevelWidth), FBorderSides);
}

TRect TFxLabel::GrowByBorders(const TRect& rect) const {
  int width = FrameStyleWidth(FBorderOuter, FBevelWidth) + FrameStyleWidth(FBorderInner, FBevelWidth);
  return InsetSides(rect, -width, FBorderSides);
}

TRect TFxLabel::TextRect() const {
  return InsetSides(ShrinkByBorders(ClientRect(), true), FTextMargin, AllSides);
}

// ---- painting ------------------------------------------------------------------------

TRect TFxLabel::DrawBorders() {
  HDC dc = Canvas().Handle();
  TRect r = DrawFrame(dc, ClientRect(), FBorderOuter, FBorderSides, BorderColors(), FBevelWidth);
  if (FBorderWidth > 0) {
    if (!Transparent()) {
      Canvas().Brush().SetColor(FBorderColor);
      Canvas().Brush().SetStyle(bsSolid);
      Canvas().FillRect(r);
    }
    r = InsetSides(r, FBorderWidth, AllSides);
  }
  return DrawFrame(dc, r, FBorderInner, FBorderSides, BorderColors(), FBevelWidth);
}

unsigned TFxLabel::CaptionFlags() const {
  unsigned flags = DrawTextFlags();
  if (FCondenseCaption == ccAtEnd) flags |= DT_END_ELLIPSIS;
  if (FCondenseCaption == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
  return flags;
}

template <class F>
void TFxLabel::DrawStyledText(F draw) {
  if (!Enabled()) {
    draw(1, 1, clBtnHighlight);
    draw(0, 0, clBtnShadow);
    return;
  }
  switch (FTextStyle) {
    case tsRaised:
      draw(-1, -1, FHighlightColor);
      if (!FLightTextStyle) draw(1, 1, FShadowColor);
      break;
    case tsRecessed:
      draw(1, 1, FHighlightColor);
      if (!FLightTextStyle) draw(-1, -1, FShadowColor);
      break;
    case tsShadow:
      draw(FShadowDepth, FShadowDepth, FShadowColor);
      break;
    case tsNormal:
      break;
  }
  draw(0, 0, FCurrentColor);
}

void TFxLabel::DrawPlainCaption(const TRect& textRect) {
  unsigned flags = CaptionFlags();
  TRect r = textRect;
  if (Layout() != tlTop) {
    TRect calc = MeasureText(textRect, flags);
    int free = textRect.Height() - calc.Height();
    r = r.Offset(0, Layout() == tlBottom ? free : free / 2);
  }
  TCanvas& canvas = Canvas();
  std::string text = GetLabelText();
  canvas.SetTransparentText(true);
  DrawStyledText([&](int dx, int dy, TColor color) {
    TRect t = r.Offset(dx, dy);
    canvas.Font().SetColor(color);
    canvas.DrawText(text, t, flags);
  });
}

TPoint TFxLabel::FlatTextOrigin(const TRect& textRect, int textWidth, int ppHeight) const {
  int cx = Width() / 2, cy = Height() / 2;
  int x = Alignment() == taCenter        ? cx - textWidth / 2
          : Alignment() == taLeftJustify ? textRect.Left
                                         : textRect.Right - textWidth;
  return {x, cy - ppHeight / 2};
}

void TFxLabel::DrawFlatCaption(const TRect& textRect) {
  TCanvas& canvas = Canvas();
  TFont& font = canvas.Font();
  font.SetOrientation(FAngle * 10);
  std::string text = GetLabelText();
  int width = canvas.TextWidth(text);
  int ppHeight = canvas.TextHeight("Pp");
  TPoint origin = FlatTextOrigin(textRect, width, ppHeight);
  if (FAngle != 0) {
    // Turned about the label's centre.
    double a = FAngle * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    origin.x = static_cast<int>(std::lround(Width() / 2 - width / 2.0 * c - ppHeight / 2.0 * s));
    origin.y = static_cast<int>(std::lround(Height() / 2 + width / 2.0 * s - ppHeight / 2.0 * c));
  }
  canvas.SetTransparentText(true);
  DrawStyledText([&](int dx, int dy, TColor color) {
    font.SetColor(color);
    canvas.TextRect(textRect, origin.x + dx, origin.y + dy, text);
  });
}

void TFxLabel::Paint() {
  TCanvas& canvas = Canvas();
  TRect inner = DrawBorders();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(inner);
  }
  canvas.Font().Assign(Font());
  TRect text = TextRect();
  if (FRotation == roNone)
    DrawPlainCaption(text);
  else
    DrawFlatCaption(text);
}

// ---- sizing and state ----------------------------------------------------------------

void TFxLabel::AdjustBounds() {
  if (!AutoSize() || IsLoading()) return;
  unsigned flags = DT_EXPANDTABS;
  if (WordWrap()) flags |= DT_WORDBREAK;
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  if (FCondenseCaption == ccAtEnd) flags |= DT_END_ELLIPSIS;
  if (FCondenseCaption == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
  TRect r = GrowByBorders(MeasureText(ShrinkByBorders(ClientRect(), true), flags));
  int width = r.Right + FBorderWidth, height = r.Bottom + FBorderWidth;
  int x = Left();
  if (Alignment() == taRightJustify) x += Width() - width;
  SetBounds(x, Top(), width, height);
}

void TFxLabel::FontChanged() {
  if (!FBlinking) FFontColor = FCurrentColor = Font().Color();
  if (!IsLoading() && FAngle != 0 && !IsTrueTypeFont(Font())) FAngle = 0;
  TCustomLabel::FontChanged();
}

void TFxLabel::Loaded() {
  TCustomLabel::Loaded();
  if (FRotation == roNone && FAngle != 0) FRotation = roFlat;
  if (FRotation != roNone) RequireTrueType();
  FFontColor = FCurrentColor = Font().Color();
  Invalidate();
}
