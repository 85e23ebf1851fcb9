#include "GraphicsObject.h"

void TGraphicsObject::Changed(bool handleAffected) {
  if (handleAffected && HasHandle()) {
    if (FBeforeHandleFree) FBeforeHandleFree();
    FreeHandle();
  }
  if (OnChange) OnChange(this);
}
