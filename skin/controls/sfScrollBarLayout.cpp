#include "sfScrollBarLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, ties to even.
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

double Fraction(const TsfScrollBarMetrics& m) {
  return m.Max == m.Min ? 0.0 : double(m.Position - m.Min) / double(m.Max - m.Min);
}

// The share of the travel a paged thumb has gone; `fallback` when the page covers
// the whole range (the two kinds of bar disagree there).
double PagedFraction(const TsfScrollBarMetrics& m, double fallback) {
  int span = m.Max - m.PageSize - m.Min + 1;
  return span > 0 ? double(m.Position - m.Min) / double(span) : fallback;
}

int PagedLength(const TsfScrollBarMetrics& m, int trackLength) {
  int range = m.Max - m.Min + 1;
  return range == 0 ? 0 : Round(double(trackLength) * m.PageSize / range);
}

bool Vertical(const TsfScrollBarMetrics& m) { return m.Kind == sbVertical; }

// A rectangle given along the bar (a0..a1) and across it (c0..c1).
TRect AlongAcross(bool vertical, int a0, int a1, int c0, int c1) {
  return vertical ? TRect(c0, a0, c1, a1) : TRect(a0, c0, a1, c1);
}

int TrackStart(bool vertical, const TRect& t) { return vertical ? t.Top : t.Left; }
int TrackEnd(bool vertical, const TRect& t) { return vertical ? t.Bottom : t.Right; }

}  // namespace

TsfScrollBarLayout PlainScrollBarLayout(const TsfScrollBarMetrics& m, int width, int height,
                                        int bothMarker) {
  TsfScrollBarLayout l;
  bool v = Vertical(m);
  if (v) {
    l.Parts[sfsbLowButton] = {1, 1, width - 1, 17};
    l.Parts[sfsbHighButton] = {1, height - 17, width - 1, height - 1};
    l.Track = {1, 17, width - 1, height - 17};
  } else {
    int w = width - std::max(bothMarker, 0);
    l.Parts[sfsbLowButton] = {1, 1, 17, height - 1};
    l.Parts[sfsbHighButton] = {w - 17, 1, w - 1, height - 1};
    l.Track = {17, 1, w - 17, height - 1};
  }
  int a0 = TrackStart(v, l.Track), a1 = TrackEnd(v, l.Track), length = a1 - a0;
  int c0 = v ? l.Track.Left : l.Track.Top, c1 = v ? l.Track.Right : l.Track.Bottom;
  if (m.PageSize == 0) {
    l.FirstCentre = a0 + 8;
    l.LastCentre = a1 - 8;
    l.ThumbOffset = Round(Fraction(m) * (length - 16));
    l.Parts[sfsbThumb] = AlongAcross(v, a0 + l.ThumbOffset, a0 + l.ThumbOffset + 16, c0, c1);
    return l;
  }
  int thumb = std::max(PagedLength(m, length), 16);
  double g = PagedFraction(m, v ? 0.0 : 1.0);
  int half = thumb / 2;
  l.FirstCentre = a0 + half;
  l.LastCentre = a1 - half;
  l.ThumbOffset = Round((length - 2 * half) * g);
  l.Parts[sfsbThumb] = AlongAcross(v, a0 + l.ThumbOffset, a0 + l.ThumbOffset + 2 * half, c0, c1);
  return l;
}

TsfScrollBarLayout SkinScrollBarLayout(const TsfScrollBarMetrics& m, const TsfScrollBarSkin& s,
                                       int width, int height) {
  TsfScrollBarLayout l;
  bool v = Vertical(m);
  int grow = v ? height - s.SkinRect.Height() : width - s.SkinRect.Width();
  l.Track = s.TrackArea;
  auto place = [&](const TRect& r) {
    if (v) return s.LBPoint.y < r.Top ? r.Offset(0, grow) : r;
    return s.RTPoint.x < r.Left ? r.Offset(grow, 0) : r;
  };
  if (v)
    l.Track.Bottom += grow;
  else
    l.Track.Right += grow;
  l.Parts[sfsbHighButton] = place(s.UpButton);
  l.Parts[sfsbLowButton] = place(s.DownButton);

  int a0 = TrackStart(v, l.Track), a1 = TrackEnd(v, l.Track);
  int imageAlong = v ? s.Thumb.Height() : s.Thumb.Width();
  int imageAcross = v ? s.Thumb.Width() : s.Thumb.Height();
  int minimum = s.ThumbMinSize ? s.ThumbMinSize : imageAlong;
  int thumb;
  double g;
  if (m.PageSize != 0) {
    thumb = std::max(PagedLength(m, a1 - a0), minimum);
    g = PagedFraction(m, v ? 0.0 : 1.0);
  } else {
    thumb = s.ThumbMinPageSize ? s.ThumbMinPageSize : minimum;
    g = Fraction(m);
  }
  int half = thumb / 2;
  l.FirstCentre = a0 + half;
  l.LastCentre = a1 - half;
  l.ThumbOffset = Round(g * (l.LastCentre - l.FirstCentre));
  int centre = l.FirstCentre + l.ThumbOffset;
  int across = v ? l.Track.Left + l.Track.Width() / 2 - imageAcross / 2
                 : l.Track.Top + l.Track.Height() / 2 - imageAcross / 2;
  l.Parts[sfsbThumb] = AlongAcross(v, centre - half, centre + half, across, across + imageAcross);
  return l;
}

int ScrollPositionFromOffset(const TsfScrollBarMetrics& m, const TsfScrollBarLayout& l,
                             int offset) {
  int span = l.LastCentre - l.FirstCentre;
  double q = span <= 0 ? 0.0 : std::clamp(double(offset) / span, 0.0, 1.0);
  if (m.PageSize != 0) return m.Min + Round((m.Max - m.Min - m.PageSize + 1) * q);
  return m.Min + Round((m.Max - m.Min) * q);
}

int ScrollBarPartAt(const TsfScrollBarLayout& l, TPoint p) {
  for (int part : {sfsbThumb, sfsbHighButton, sfsbLowButton})
    if (l.Parts[part].Contains(p)) return part;
  return sfsbNoPart;
}
