#pragma once
// TFxMemo: the memo with state colours, an optional frame of its own, pointer enter
// and leave and Enter as Tab, which reports its caret's line and column, and
// scrolls by the mouse wheel itself.
#include <functional>

#include "controls/FxFramedEdit.h"
#include "ui/Memo.h"
#include "ui/WheelAccumulator.h"

// Line and Column count from 1.
using TLineColChangeEvent = std::function<void(TObject* Sender, int Line, int Column)>;
using TClipboardChangeEvent =
    std::function<void(TObject* Sender, bool HasSelection, bool ClipboardHasText)>;
// MousePos is in screen coordinates; a handler that dealt with the wheel sets Handled.
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TFxMemo : public TFxFramedEdit<TMemo> {
 public:
  explicit TFxMemo(TComponent* AOwner);
  ~TFxMemo() override;

  // The caret's line and column, from 1.
  virtual int CurrentLine() const;
  virtual void SetCurrentLine(int value);
  virtual int CurrentColumn() const;
  virtual void SetCurrentColumn(int value);

  // Raised after every change, click, key press and release and mouse release.
  TLineColChangeEvent OnLineColChange;
  TClipboardChangeEvent OnClipboardChange;
  // Without OnMouseWheel the memo scrolls itself; with it the handler decides, and
  // the up or down event follows when it did not set Handled.
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;

  void WndProc(TMessage& message) override;
  void Click() override;

 protected:
  void Change() override;
  // True when the wheel message is dealt with.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // Scrolls by the platform's lines (or pages) per wheel notch, one step at a time,
  // up to where the memo can go no further. Parts of a notch are added up until
  // they make a whole one.
  void ScrollByWheel(int WheelDelta);
  // Raises OnLineColChange and OnClipboardChange.
  void ReportCaret();

 private:
  // True when a batch of changes holds the window hidden (see WndProc).
  bool HoldUpdates(bool hold);
  bool FHeldHidden = false;
  TWheelAccumulator FWheel;
};
