#pragma once
// The common base of TFont, TBrush and TPen: a description whose platform handle is
// made on demand, cached, and thrown away when the description changes.
#include <functional>

#include "Component.h"

class TCanvas;

class TGraphicsObject : public TObject {
 public:
  // Fired after every change that altered a value.
  TNotifyEvent OnChange;

 protected:
  // Call after a value changed. `handleAffected` is false for values that are not
  // part of the platform object (a font's colour), which keeps the cached handle.
  void Changed(bool handleAffected = true);
  virtual void FreeHandle() = 0;
  virtual bool HasHandle() const = 0;

 private:
  friend class TCanvas;
  // Set by the canvas that owns this object: takes the handle out of its DC before
  // the handle is deleted (a selected object must not be deleted).
  std::function<void()> FBeforeHandleFree;
};
