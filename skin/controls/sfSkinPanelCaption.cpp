#include "sfSkinPanelCaption.h"

#include <algorithm>

namespace {

int CentredIn(const TRect& r, int size) { return r.Top + r.Height() / 2 - size / 2; }

int AlignedX(const TRect& r, TAlignment alignment, int width) {
  switch (alignment) {
    case taRightJustify: return r.Right - width;
    case taCenter: return r.Left + r.Width() / 2 - width / 2;
    default: return r.Left;
  }
}

// The frame image behind the text; moves the text to its place inside the frame.
TRect PlaceFrame(const TsfSkinCaptionInput& in, TPoint& text) {
  const TRect& fr = in.FrameRect;
  const TRect& ftr = in.FrameTextRect;
  int extra = fr.Width() - ftr.Width();
  int x = text.x;
  switch (in.Alignment) {
    case taRightJustify:
      x = text.x - extra;
      text.x = x + ftr.Left;
      break;
    case taCenter:
      x = text.x - ftr.Left - 2;
      text.x -= 2;
      break;
    default:
      text.x += ftr.Left;
      break;
  }
  return Bounds(x, in.Rect.Top, in.TextSize.x + extra, fr.Height());
}

}  // namespace

TsfSkinCaptionLayout LayoutSkinCaption(const TsfSkinCaptionInput& in) {
  TsfSkinCaptionLayout out;
  TRect r = in.Rect;
  if (in.RollUpMode) r.Right -= 12;
  if (in.CheckedMode) {
    out.Check = {r.Left, CentredIn(r, in.CheckSize.y)};
    r.Left += in.CheckSize.x + 2;
  }
  int tw = in.TextSize.x, iw = in.ImageSize.x;
  int block = tw + (iw > 0 ? iw + in.Spacing : 0);
  out.Text = {AlignedX(r, in.Alignment, block), CentredIn(r, in.TextSize.y)};
  out.Image = {out.Text.x, CentredIn(r, in.ImageSize.y)};
  if (iw > 0 && in.ImagePosition == sfipLeft) {
    out.Image.x = r.Left + 2;
    out.Text.x = in.Alignment == taLeftJustify ? r.Left + iw + in.Spacing + 2
                                               : AlignedX(r, in.Alignment, tw);
    out.Text.x = std::max(out.Text.x, out.Image.x + iw + in.Spacing);
  } else if (iw > 0) {
    out.Text.x += iw + in.Spacing;
  }
  if (in.RollUpMode) out.RollSlot = {r.Right, r.Top, r.Right + 10, r.Bottom};
  if (!in.FrameRect.IsEmpty()) out.Frame = PlaceFrame(in, out.Text);
  out.TextArea = r;
  return out;
}

TsfFrameCaptionLayout LayoutFrameCaption(int width, TPoint textSize, TPoint imageSize,
                                         int spacing, bool checkedMode, TPoint checkSize,
                                         bool rollUpMode) {
  TsfFrameCaptionLayout out;
  out.Caption = {5, 0, width, textSize.y + 5};
  int x = out.Caption.Left;
  if (checkedMode) {
    out.Check = {x, CentredIn(out.Caption, checkSize.y)};
    x += checkSize.x + 2;
  }
  out.Image = {x, CentredIn(out.Caption, imageSize.y)};
  if (imageSize.x > 0) x += imageSize.x + spacing;
  out.Text = {x, CentredIn(out.Caption, textSize.y)};
  int textEnd = x + textSize.x;
  out.LineStart = textEnd + 3;
  if (rollUpMode) {
    out.RollSlot = {out.LineStart, out.Caption.Top, out.LineStart + 10, out.Caption.Bottom};
    out.LineStart += 10;
  }
  out.MiddleY = out.Caption.Top + out.Caption.Height() / 2;
  return out;
}
