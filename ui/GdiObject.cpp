#include "GdiObject.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "Exception.h"

namespace {

std::atomic<int> liveCounts[static_cast<int>(THandleKind::Count_)];

std::atomic<int>& Counter(THandleKind kind) { return liveCounts[static_cast<int>(kind)]; }

}  // namespace

int LiveHandles(THandleKind kind) { return Counter(kind).load(); }

void CountHandle(THandleKind kind, int delta) { Counter(kind) += delta; }

bool DeleteGdiObject(void* handle) { return handle && DeleteObject(static_cast<HGDIOBJ>(handle)); }

bool SetWindowRegion(HWND window, TRegionHandle region, bool redraw) {
  if (!SetWindowRgn(window, region.Get(), redraw)) return false;
  region.Release();
  return true;
}

std::vector<TRect> RegionRects(HRGN region) {
  if (!region) return {};
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return {};
  std::vector<std::uint8_t> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (GetRegionData(region, size, data) != size) return {};
  const DWORD count = std::min<DWORD>(data->rdh.nCount, (size - data->rdh.dwSize) / sizeof(RECT));
  const RECT* rects = reinterpret_cast<const RECT*>(bytes.data() + data->rdh.dwSize);
  std::vector<TRect> out;
  out.reserve(count);
  for (DWORD i = 0; i < count; ++i) out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  return out;
}

TRegionHandle CreateRectRegion(const TRect& rect) {
  return TRegionHandle(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
}

// --- TMemoryDC

TMemoryDC::TMemoryDC(HDC compatibleWith) : FDC(CreateCompatibleDC(compatibleWith)) {
  if (!FDC) throw EOSError(Format("CreateCompatibleDC failed (error %lu)", GetLastError()));
  CountHandle(THandleKind::DC, 1);
}

TMemoryDC::~TMemoryDC() {
  SelectBitmap(nullptr);
  DeleteDC(FDC);
  CountHandle(THandleKind::DC, -1);
}

void TMemoryDC::SelectBitmap(HBITMAP bitmap) {
  if (!bitmap) {
    if (FOriginalBitmap) SelectObject(FDC, FOriginalBitmap);
    FOriginalBitmap = nullptr;
    return;
  }
  HGDIOBJ previous = SelectObject(FDC, bitmap);
  if (!previous) throw EOSError("A bitmap could not be selected into a memory device context");
  if (!FOriginalBitmap) FOriginalBitmap = previous;
}

// --- TWindowDC

TWindowDC::TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {
  if (!FDC) throw EOSError(Format("GetDC failed (error %lu)", GetLastError()));
  CountHandle(THandleKind::DC, 1);
}

TWindowDC::~TWindowDC() {
  ReleaseDC(FWindow, FDC);
  CountHandle(THandleKind::DC, -1);
}

TNonClientDC::TNonClientDC(HWND window) : FWindow(window), FDC(GetWindowDC(window)) {
  if (FDC) CountHandle(THandleKind::DC, 1);
}

TNonClientDC::~TNonClientDC() {
  if (!FDC) return;
  ReleaseDC(FWindow, FDC);
  CountHandle(THandleKind::DC, -1);
}

// --- TPaintDC

static_assert(sizeof(PAINTSTRUCT) <= 72 && alignof(PAINTSTRUCT) <= 8);

TPaintDC::TPaintDC(HWND window) : FWindow(window) {
  auto* ps = reinterpret_cast<PAINTSTRUCT*>(FPaint);
  FDC = BeginPaint(window, ps);
  if (!FDC) throw EOSError(Format("BeginPaint failed (error %lu)", GetLastError()));
  CountHandle(THandleKind::DC, 1);
}

TPaintDC::~TPaintDC() {
  EndPaint(FWindow, reinterpret_cast<PAINTSTRUCT*>(FPaint));
  CountHandle(THandleKind::DC, -1);
}

TRect TPaintDC::PaintRect() const {
  const RECT& r = reinterpret_cast<const PAINTSTRUCT*>(FPaint)->rcPaint;
  return {r.left, r.top, r.right, r.bottom};
}

bool TPaintDC::EraseBackground() const {
  return reinterpret_cast<const PAINTSTRUCT*>(FPaint)->fErase != FALSE;
}

// --- TBufferedPaint

namespace {

long RegionArea(HRGN region) {
  long area = 0;
  for (const TRect& r : RegionRects(region)) area += static_cast<long>(r.Width()) * r.Height();
  return area;
}

}  // namespace

TBufferedPaint::TBufferedPaint(HDC target, const TRect& area)
    : FTarget(target), FArea(area), FMemory(target) {
  if (area.IsEmpty()) {
    FCancelled = true;
    return;
  }
  TRegionHandle visible = VisiblePart();
  if (visible && RegionArea(visible.Get()) * 4 < static_cast<long>(area.Width()) * area.Height()) {
    FDirect = true;
    return;
  }
  FBitmap.Reset(CreateCompatibleBitmap(target, area.Width(), area.Height()));
  if (!FBitmap)
    throw EOSError(
        Format("An off-screen image of %d x %d could not be made", area.Width(), area.Height()));
  FMemory.SelectBitmap(FBitmap.Get());
  // Drawing into the buffer is clipped as the window's paint is, so a panel mostly
  // covered by children converts and copies its visible strips, not its whole
  // rectangle.
  if (visible) SelectClipRgn(FMemory.Get(), visible.Get());
  SetViewportOrgEx(FMemory.Get(), -area.Left, -area.Top, nullptr);
}

// A window's paint shows only its visible region: the update area less its children's
// windows.
TRegionHandle TBufferedPaint::VisiblePart() const {
  if (!WindowFromDC(FTarget)) return {};
  TRegionHandle visible = CreateRectRegion({0, 0, 0, 0});
  POINT origin{};
  // The system region is in screen coordinates; the buffer's pixel (0, 0) is the
  // target's area.TopLeft.
  if (!visible || GetRandomRgn(FTarget, visible.Get(), SYSRGN) != 1 || !GetDCOrgEx(FTarget, &origin))
    return {};
  OffsetRgn(visible.Get(), -origin.x - FArea.Left, -origin.y - FArea.Top);
  TRegionHandle whole = CreateRectRegion({0, 0, FArea.Width(), FArea.Height()});
  CombineRgn(visible.Get(), visible.Get(), whole.Get(), RGN_AND);
  return visible;
}

TBufferedPaint::~TBufferedPaint() {
  if (FDirect) return;
  if (!FCancelled) {
    // Paint code may have left the origin moved; the copy needs the one we set.
    SetViewportOrgEx(FMemory.Get(), -FArea.Left, -FArea.Top, nullptr);
    BitBlt(FTarget, FArea.Left, FArea.Top, FArea.Width(), FArea.Height(), FMemory.Get(), FArea.Left,
           FArea.Top, SRCCOPY);
  }
  FMemory.SelectBitmap(nullptr);
}

TSavedDC::TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}

TSavedDC::~TSavedDC() { RestoreDC(FDC, FSaved); }

void TIconHandle::Reset(HICON icon) {
  if (icon == FIcon) return;
  if (FIcon) DestroyIcon(FIcon);
  FIcon = icon;
}
