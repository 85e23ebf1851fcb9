#pragma once
// TPen: line colour, width, style and mix mode, with its platform pen made when first
// needed.
#include "GdiObject.h"
#include "GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psClear };
// How the pen's colour combines with what is already there.
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };

class TPen : public TGraphicsObject {
 public:
  TPen() = default;
  void Assign(const TPen& source);

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Width() const { return FWidth; }
  void SetWidth(int value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value);

  // Owned and cached until the next change.
  HPEN Handle();

 protected:
  void FreeHandle() override { FHandle.Reset(); }
  bool HasHandle() const override { return static_cast<bool>(FHandle); }

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
  TPenHandle FHandle;
};
