#pragma once
// What the frame's skin-change walk needs of a skinned control that does not stand
// on the control bases (labels, bevels, edits and list views over platform controls):
// its skin data, and applying and releasing its skin.
class TsfSkinData;

class TsfSkinnable {
 public:
  virtual ~TsfSkinnable() = default;
  virtual TsfSkinData* SkinData() const = 0;
  virtual void ApplySkin() = 0;
  // Windowed ones let go of their definition before a skin is replaced.
  virtual void ReleaseSkin() {}
};
