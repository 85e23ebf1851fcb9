#pragma once
#include <vector>
// Owning and borrowing wrappers for GDI handles and device contexts.
//
// Every handle the framework creates is counted per kind while it is alive, so tests
// can check that painting gives back everything it takes (GetGuiResources is a stub
// under Wine and cannot tell).
#include <utility>

#include "Types.h"
#include "WinHandles.h"

enum class THandleKind { Window, DC, Bitmap, Font, Brush, Pen, Region, ImageList, Count_ };

int LiveHandles(THandleKind kind);
void CountHandle(THandleKind kind, int delta);

// DeleteObject on a handle of any GDI object kind; false when the platform refuses.
bool DeleteGdiObject(void* handle);

// Owns one GDI object (font, brush, pen, bitmap, region) and deletes it when it goes.
// Release() gives the handle away: from then on it is not ours and no longer counted.
template <class H, THandleKind Kind>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) : FHandle(handle) {
    if (FHandle) CountHandle(Kind, 1);
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  TGdiObject(TGdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  ~TGdiObject() { Reset(); }

  H Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }

  H Release() {
    if (FHandle) CountHandle(Kind, -1);
    return std::exchange(FHandle, nullptr);
  }
  void Reset(H handle = nullptr) {
    if (handle == FHandle) return;
    if (FHandle) {
      DeleteGdiObject(FHandle);
      CountHandle(Kind, -1);
    }
    FHandle = handle;
    if (FHandle) CountHandle(Kind, 1);
  }

 private:
  H FHandle = nullptr;
};

using TFontHandle = TGdiObject<HFONT, THandleKind::Font>;
using TBrushHandle = TGdiObject<HBRUSH, THandleKind::Brush>;
using TPenHandle = TGdiObject<HPEN, THandleKind::Pen>;
using TBitmapHandle = TGdiObject<HBITMAP, THandleKind::Bitmap>;
using TRegionHandle = TGdiObject<HRGN, THandleKind::Region>;

// Sets `region` as the window's region (SetWindowRgn). On success the window owns the
// region: it leaves our count and must not be deleted by us. On failure, or for an
// empty `region` (which removes the window's region), our handle is deleted as usual.
bool SetWindowRegion(HWND window, TRegionHandle region, bool redraw);

// A rectangular region; an empty handle when the platform refuses.
TRegionHandle CreateRectRegion(const TRect& rect);
// The rectangles of a region as the platform stores them (GetRegionData).
std::vector<TRect> RegionRects(HRGN region);

// Owns an icon and destroys it (DestroyIcon) when it goes.
class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON icon) : FIcon(icon) {}
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;
  ~TIconHandle() { Reset(); }

  HICON Get() const { return FIcon; }
  explicit operator bool() const { return FIcon != nullptr; }
  void Reset(HICON icon = nullptr);

 private:
  HICON FIcon = nullptr;
};

// Saves a device context's state (SaveDC) and restores it when it goes.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc);
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;
  ~TSavedDC();

 private:
  HDC FDC;
  int FSaved;
};

// A memory device context (CreateCompatibleDC). A bitmap selected with SelectBitmap
// is deselected again before the context is deleted, so the bitmap can be freed.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC compatibleWith = nullptr);
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  ~TMemoryDC();

  HDC Get() const { return FDC; }
  // Selects `bitmap` (nullptr puts the context's original bitmap back).
  void SelectBitmap(HBITMAP bitmap);

 private:
  HDC FDC = nullptr;
  void* FOriginalBitmap = nullptr;
};

// Borrows the DC of a window (GetDC / ReleaseDC); nullptr gives the screen's DC.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window);
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC();
  HDC Get() const { return FDC; }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// Borrows the DC of a whole window, frame included (GetWindowDC / ReleaseDC), for
// non-client painting. Get() is nullptr when the window gives none (it is going).
class TNonClientDC {
 public:
  explicit TNonClientDC(HWND window);
  TNonClientDC(const TNonClientDC&) = delete;
  TNonClientDC& operator=(const TNonClientDC&) = delete;
  ~TNonClientDC();
  HDC Get() const { return FDC; }

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
};

// BeginPaint / EndPaint around the handling of WM_PAINT.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window);
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  ~TPaintDC();
  HDC Get() const { return FDC; }
  // The rectangle that needs painting, in client coordinates.
  TRect PaintRect() const;
  bool EraseBackground() const;

 private:
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
  // PAINTSTRUCT, kept opaque so this header needs no <windows.h>.
  alignas(8) unsigned char FPaint[72] = {};
};

// Double buffering: an off-screen memory DC the size of `area` whose coordinates are
// those of the target (its viewport is moved by -area.Left, -area.Top), so paint code
// draws as it would on the target. The destructor copies the area to the target in
// one operation, unless Cancel() was called.
// A window that shows less than a quarter of `area` (a panel under its controls,
// with only strips of its edges in sight) is drawn on directly instead: DC() is the
// target, clipped by the system, and no off-screen image of the whole area is made.
class TBufferedPaint {
 public:
  TBufferedPaint(HDC target, const TRect& area);
  TBufferedPaint(const TBufferedPaint&) = delete;
  TBufferedPaint& operator=(const TBufferedPaint&) = delete;
  ~TBufferedPaint();

  HDC DC() const { return FDirect ? FTarget : FMemory.Get(); }
  const TRect& Area() const { return FArea; }
  bool Direct() const { return FDirect; }
  void Cancel() { FCancelled = true; }

 private:
  // The target window's visible part of the area, in the buffer's pixels; none for a
  // target without a window.
  TRegionHandle VisiblePart() const;

  HDC FTarget = nullptr;
  TRect FArea;
  bool FCancelled = false;
  bool FDirect = false;
  TBitmapHandle FBitmap;  // declared before FMemory: the DC goes first
  TMemoryDC FMemory;
};
