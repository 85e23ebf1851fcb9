#pragma once
// Geometry, colours and the small value types every part of the framework shares.
#include <cstdint>
#include <initializer_list>

struct TPoint {
  int x = 0, y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(int ax, int ay) : x(ax), y(ay) {}
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and bottom are exclusive.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  constexpr TRect() = default;
  constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const {
    return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom;
  }
  constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
TRect IntersectRect(const TRect& a, const TRect& b);

// 0x00BBGGRR for a plain colour, 0xFF0000nn for system colour nn.
using TColor = std::int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor SystemColor(int index) { return clSystemColor | index; }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000,
                 clOlive = 0x008080, clNavy = 0x800000, clPurple = 0x800080,
                 clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                 clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                 clMenu = SystemColor(4), clWindow = SystemColor(5),
                 clWindowFrame = SystemColor(6), clMenuText = SystemColor(7),
                 clWindowText = SystemColor(8), clCaptionText = SystemColor(9),
                 clActiveBorder = SystemColor(10), clInactiveBorder = SystemColor(11),
                 clAppWorkSpace = SystemColor(12), clHighlight = SystemColor(13),
                 clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                 clBtnShadow = SystemColor(16), clGrayText = SystemColor(17),
                 clBtnText = SystemColor(18), clInactiveCaptionText = SystemColor(19),
                 clBtnHighlight = SystemColor(20), cl3DDkShadow = SystemColor(21),
                 cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                 clInfoBk = SystemColor(24);

// The colour as 0x00BBGGRR, system colours looked up (implemented over GDI).
std::uint32_t ColorToRGB(TColor color);
constexpr TColor RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// A small bit set over an enumeration, with the bit of value v at position v.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) FBits |= Bit(e);
  }
  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr TSet& operator<<(E e) { FBits |= Bit(e); return *this; }
  constexpr TSet& operator>>(E e) { FBits &= ~Bit(e); return *this; }
  constexpr std::uint32_t Bits() const { return FBits; }
  static constexpr TSet FromBits(std::uint32_t bits) { TSet s; s.FBits = bits; return s; }
  constexpr bool Empty() const { return FBits == 0; }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr std::uint32_t Bit(E e) { return 1u << static_cast<unsigned>(e); }
  std::uint32_t FBits = 0;
};

// Bit order matters: the byte of {ssAlt, ssCtrl, ssRight} is 22.
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
constexpr auto ssShift = TShiftStateItem::ssShift;
constexpr auto ssAlt = TShiftStateItem::ssAlt;
constexpr auto ssCtrl = TShiftStateItem::ssCtrl;
constexpr auto ssLeft = TShiftStateItem::ssLeft;
constexpr auto ssRight = TShiftStateItem::ssRight;
constexpr auto ssMiddle = TShiftStateItem::ssMiddle;
constexpr auto ssDouble = TShiftStateItem::ssDouble;

// The parent's edges a control keeps its distance to when the parent is resized.
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
constexpr auto akLeft = TAnchorKind::akLeft;
constexpr auto akTop = TAnchorKind::akTop;
constexpr auto akRight = TAnchorKind::akRight;
constexpr auto akBottom = TAnchorKind::akBottom;

// Limits of a control's size; 0 sets no limit.
struct TSizeConstraints {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  friend constexpr bool operator==(const TSizeConstraints&, const TSizeConstraints&) = default;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Cursor numbers of the screen's cursor table.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crNo = -18, crAppStart = -19,
                  crHelp = -20, crHandPoint = -21, crSizeAll = -22;

// A window message as the framework passes it to WndProc.
struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};
