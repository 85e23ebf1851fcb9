#include "ImageList.h"

#include <windows.h>
#include <commctrl.h>

#include "Bitmap.h"
#include "Exception.h"
#include "GdiObject.h"

namespace {

// The image list copies from a bitmap it selects into a DC of its own, which a
// TBitmap (always selected in its own DC) cannot be: hand it a fresh copy.
TBitmapHandle UnselectedCopy(const TBitmap& source) {
  TWindowDC screen(nullptr);
  TBitmapHandle copy(CreateCompatibleBitmap(screen.Get(), source.Width(), source.Height()));
  if (!copy) return copy;
  TMemoryDC dc(screen.Get());
  dc.SelectBitmap(copy.Get());
  BitBlt(dc.Get(), 0, 0, source.Width(), source.Height(), source.DC(), 0, 0, SRCCOPY);
  dc.SelectBitmap(nullptr);
  return copy;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) { CreateList(); }

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {
  CreateList();
}

TCustomImageList::~TCustomImageList() {
  // Those referring to us hear of it afterwards (TComponent); they only compare
  // the pointer.
  SetDestroying();
  DestroyList();
}

void TCustomImageList::CreateList() {
  FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 4, 4);
  if (!FHandle) throw EOSError(Format("Cannot create an image list of %d x %d", FWidth, FHeight));
  CountHandle(THandleKind::ImageList, 1);
}

void TCustomImageList::DestroyList() {
  if (!FHandle) return;
  ImageList_Destroy(FHandle);
  FHandle = nullptr;
  CountHandle(THandleKind::ImageList, -1);
}

void TCustomImageList::Changed() {
  if (OnChange) OnChange(this);
}

void TCustomImageList::SetWidth(int value) {
  if (value == FWidth || value <= 0) return;
  FWidth = value;
  DestroyList();
  CreateList();
  Changed();
}

void TCustomImageList::SetHeight(int value) {
  if (value == FHeight || value <= 0) return;
  FHeight = value;
  DestroyList();
  CreateList();
  Changed();
}

int TCustomImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

int TCustomImageList::Add(const TBitmap& image, const TBitmap* mask) {
  if (image.Empty()) return -1;
  TBitmapHandle copy = UnselectedCopy(image);
  TBitmapHandle maskCopy;
  if (mask && !mask->Empty()) maskCopy = UnselectedCopy(*mask);
  int index = ImageList_Add(FHandle, copy.Get(), maskCopy.Get());
  if (index >= 0) Changed();
  return index;
}

int TCustomImageList::AddMasked(const TBitmap& image, TColor transparentColor) {
  if (image.Empty()) return -1;
  TBitmapHandle copy = UnselectedCopy(image);
  int index = ImageList_AddMasked(FHandle, copy.Get(), ColorToRGB(transparentColor));
  if (index >= 0) Changed();
  return index;
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  ImageList_Remove(FHandle, index);
  Changed();
}

void TCustomImageList::Clear() {
  if (Count() == 0) return;
  ImageList_Remove(FHandle, -1);
  Changed();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  HDC dc = canvas.Handle();
  if (enabled) {
    ImageList_Draw(FHandle, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  // The platform's disabled look: the image's shape embossed in the 3-D colours.
  HICON icon = ImageList_GetIcon(FHandle, index, ILD_TRANSPARENT);
  if (!icon) return;
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, FWidth, FHeight,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}
