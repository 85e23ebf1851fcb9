#pragma once
// TCustomImageList: a list of equal-sized images drawn transparently, over the
// common controls' image list. Controls that show one of its images refer to it and
// ask for its removal notice.
#include "Component.h"
#include "Types.h"

class TBitmap;
class TCanvas;
struct _IMAGELIST;
using HIMAGELIST = _IMAGELIST*;

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner);
  TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);
  ~TCustomImageList() override;

  // Changing the size empties the list.
  int Width() const { return FWidth; }
  void SetWidth(int value);
  int Height() const { return FHeight; }
  void SetHeight(int value);
  int Count() const;

  // Adds the image (a strip wider than Width gives several); black pixels of `mask`
  // are drawn, white ones are transparent. Without a mask the image is opaque.
  // Returns the index of the first image added, -1 when nothing was added.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  // Pixels of `transparentColor` are left out when the image is drawn.
  int AddMasked(const TBitmap& image, TColor transparentColor);
  void Delete(int index);
  void Clear();

  // Image `index` with its top-left at (x, y), transparent parts left out; greyed
  // when not enabled. An index outside the list draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  HIMAGELIST Handle() const { return FHandle; }

  // Raised after images were added or removed, or the size changed.
  TNotifyEvent OnChange;

 private:
  void CreateList();
  void DestroyList();
  void Changed();

  int FWidth = 16;
  int FHeight = 16;
  HIMAGELIST FHandle = nullptr;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};
