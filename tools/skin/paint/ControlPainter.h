#pragma once
// The picture of every control (controls.bmp): each image drawn at the rectangle
// its control definition gives, in the look of SkinLook.h.
#include <string>

#include "SkinCanvas.h"
#include "SkinLayout.h"

TSkinCanvas PaintControls(const TSkinLayout& layout);

// The painter's steps, one per family of controls (ControlPainter.cpp and
// ControlPainterParts.cpp).
class TControlPainter {
 public:
  TControlPainter(TSkinCanvas& canvas, const TSkinLayout& layout) : C(canvas), L(layout) {}

  void Bars();
  void Panels();
  void Lists();
  void ScrollBars();
  void Fields();
  void Buttons();
  void Checks();
  void Others();

 private:
  // The rectangle [section] key, claimed for this image.
  TRect Claim(const std::string& section, const char* key);
  // A tool button's face: the bar it stands on, copied from `bar`, with a plate.
  void ToolFace(const TRect& r, const TRect& bar, int state, int markerX, int dividerX);
  void ToolButton(const std::string& section, const std::string& bar, int markerX, int dividerX);
  void ScrollBar(const std::string& section, bool vertical, int cornerWidth);
  void ScrollButtons(const std::string& section, bool vertical);
  void ScrollThumbs(const std::string& section, bool vertical);
  void EditLike(const std::string& section, int kind);  // 0 edit, 1 button edit, 2 spin edit
  void Combo(const std::string& section);
  void Caption(const TRect& r, int band);  // a framed face with a caption band
  void ExPanel();
  void Tabs();
  void UpDown(const std::string& section, bool vertical);
  void Gauge(const std::string& section, bool vertical);
  void TrackBar(const std::string& section, bool vertical);

  TSkinCanvas& C;
  const TSkinLayout& L;
};
