#pragma once
// The pixel arithmetic behind the skin's transitions (an element blending from its
// normal to its hot image) and its inactive looks (pale, dark, grey frame images).
//
// TsfEffectPixels works on a top-down 24-bit buffer it does not own: row 0 is the top
// row, a pixel is blue, green, red, and a row is 3 x width + (width mod 4) bytes (the
// device-independent bitmap stride). The bytes past 3 x width in a row are never
// touched. TsfEffectBmp (sfEffects.h) gives it a DIB section; TsfEffectBuffer gives it
// plain memory.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sfSkinValues.h"
#include "ui/Component.h"

// Nearest integer, halves to the even neighbour (127.5 -> 128, 126.5 -> 126), however
// the floating-point unit's rounding mode is set.
double sfRoundHalfEven(double value);
// The same, clamped to 0..255: what every computed channel goes through. It relies on
// the default rounding mode (to nearest), which the program never changes.
std::uint8_t sfRoundChannel(double value);

// The generator the noise effect draws from: a linear congruential generator, so a
// seed gives the same picture every time.
void sfRandSeed(std::uint32_t seed);
// 0 <= result < range; 0 when range is 0 or less.
int sfRandom(int range);

class TsfEffectPixels : public TObject {
 public:
  static int RowLength(int width) { return 3 * width + width % 4; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int RowBytes() const { return RowLength(FWidth); }
  std::size_t BufferSize() const {
    return static_cast<std::size_t>(RowBytes()) * static_cast<std::size_t>(FHeight);
  }
  std::uint8_t* ScanLine(int y) { return FBits + static_cast<std::size_t>(y) * RowBytes(); }
  const std::uint8_t* ScanLine(int y) const {
    return FBits + static_cast<std::size_t>(y) * RowBytes();
  }

  // Transitions from self (factor 0) toward other (factor 1). Each does nothing when
  // other's width or height differs from self's.
  void Blend(const TsfEffectPixels& other, double factor);
  // The horizontal form when width >= height, else the vertical form.
  void CentreGradient(const TsfEffectPixels& other, double factor);
  void LeftGradient(const TsfEffectPixels& other, double factor);
  void RightGradient(const TsfEffectPixels& other, double factor);
  void Push(const TsfEffectPixels& other, double factor);
  void LeftSlide(const TsfEffectPixels& other, double factor);
  void RightSlide(const TsfEffectPixels& other, double factor);

  // The transition a skin's morphkind names.
  void Morph(TsfMorphKind kind, const TsfEffectPixels& other, double factor);

  // Single-image effects. Amounts of brightness and darkness are clamped to 0..1.
  void Brightness(double amount);
  void Darkness(double amount);
  void GreyScale();
  void Noise(int amount);
  void SplitBlur(int distance);
  void Invert();
  // The inactive look a skin's inactiveeffect names, with its fixed amount.
  void InactiveEffect(TsfInactiveEffect effect);

 protected:
  TsfEffectPixels() = default;
  // The buffer the effects work on, not owned; a width or height of 0 or less is an
  // empty buffer.
  void SetBuffer(int width, int height, std::uint8_t* bits);

 private:
  bool SameSize(const TsfEffectPixels& other) const;
  void HorizontalGradient(const TsfEffectPixels& other, double factor);
  void VerticalGradient(const TsfEffectPixels& other, double factor);
  // Every channel c becomes table[c].
  void MapChannels(const std::uint8_t* table);

  int FWidth = 0;
  int FHeight = 0;
  std::uint8_t* FBits = nullptr;
};

// A buffer in plain memory, filled with zeros (black, zero padding).
class TsfEffectBuffer : public TsfEffectPixels {
 public:
  TsfEffectBuffer(int width, int height);

 private:
  std::vector<std::uint8_t> FData;
};
