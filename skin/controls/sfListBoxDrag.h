#pragma once
// Dragging items out of a list box: the drag's settings and the press, move and
// release that start it, offer it and end it. The list box turns the steps into
// its OnListBox...Drag events.
#include <functional>

#include "ui/Component.h"
#include "ui/Types.h"

constexpr TCursor crDrag = -12;
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

class TsfListBoxDrag {
 public:
  // How far the mouse moves with the button held before a drag starts.
  static constexpr int Threshold = 5;

  TDragMode Mode = dmManual;
  TDragKind Kind = dkDrag;
  TCursor Cursor = crDrag;
  bool Dragging() const { return FDragging; }

  // A press; `onItem` when it is a left press over an item.
  void MouseDown(bool onItem, TPoint p);
  // Arms a drag from code: it starts once the mouse moves from `p`, or at once.
  void Arm(TPoint p, bool immediate);
  void MouseMove(TPoint p);
  // True when the release ended a drag.
  bool MouseUp(TPoint p);

  // A drag starts; asked whether a drop at a point would be taken; dropped; ended
  // (dropped or not).
  std::function<void()> Start;
  std::function<bool(TPoint p, TDragState state)> Over;
  std::function<void(TPoint p)> Drop;
  std::function<void(bool dropped, TPoint p)> End;

 private:
  bool Offer(TPoint p, TDragState state);

  bool FArmed = false;
  bool FDragging = false;
  TPoint FStart;
};
