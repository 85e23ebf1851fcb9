#pragma once
// TForm: a top-level window holding the controls of one dialog or main window.
#include <functional>
#include <vector>

#include "CustomControl.h"
#include "Dialogs.h"  // TModalResult

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// biRollUp and biMinimizeToTray are drawn by a skinned frame only; the platform's
// caption knows the first four.
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp, biRollUp, biMinimizeToTray };
using TBorderIcons = TSet<TBorderIcon>;
constexpr auto biSystemMenu = TBorderIcon::biSystemMenu;
constexpr auto biMinimize = TBorderIcon::biMinimize;
constexpr auto biMaximize = TBorderIcon::biMaximize;
constexpr auto biHelp = TBorderIcon::biHelp;
constexpr auto biRollUp = TBorderIcon::biRollUp;
constexpr auto biMinimizeToTray = TBorderIcon::biMinimizeToTray;


using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// A key pressed anywhere on the form, offered before the focused control sees it;
// setting Handled keeps it from the control.
using TShortCutEvent =
    std::function<void(TObject* Sender, std::uint16_t Key, TShiftState Shift, bool& Handled)>;

class TForm : public TCustomControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Runs after the constructor has built the form's components: they get Loaded,
  // the form aligns them, and OnCreate runs. An error in OnCreate is reported
  // through the application and creation completes.
  virtual void AfterConstruction();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  TRect ClientRect() const override;

  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // The control of this form that last took the focus, or nullptr.
  TWinControl* ActiveControl() const { return FActiveControl; }
  // Tells every control again which one has the focus (CM_FOCUSCHANGED).
  void SendFocusChanged();

  void Close();
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Modal() const { return FModal; }
  // Frees the form once the messages already queued for it are handled.
  void Release();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

  // Told by a component that took the frame over that the frame's size changed: a
  // client size set before the first show is kept.
  void FrameChanged();
  // Offers a key to OnShortCut; true when it was handled.
  bool IsShortCut(std::uint16_t key, TShiftState shift);
  // Destroys the window and makes it again with the current parameters (styles, a
  // new non-client size), children included; the form keeps its bounds, caption,
  // visibility and message hooks. Nothing happens before the window exists.
  void RecreateWnd();

  void WndProc(TMessage& message) override;

  // A component's window procedure in front of the form's: it sees each message the
  // window receives before the form and hands on what it does not take to `next`.
  // Hooks run newest first; each is known by its owner and can be removed in any
  // order. They belong to the object, so they outlive a re-creation of the window.
  using TMessageHook = std::function<void(TMessage& m, const std::function<void(TMessage&)>& next)>;
  void InstallMessageHook(const void* owner, TMessageHook hook);
  void RemoveMessageHook(const void* owner);

 protected:
  void DispatchWindowMessage(TMessage& m) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void VisibleChanged() override;
  virtual void DoCreate();
  virtual void DoClose(TCloseAction& action);
  virtual bool CloseQuery();
  void ControlRemoved(TControl* control) override;

 private:
  // Width and height the frame adds around the client area.
  TRect NonClientMargins() const;
  void CloseModal();
  void ApplyStoredClientSize();
  void ApplyStyle();

  void CallHook(TMessage& m, std::size_t below);

  struct THookEntry {
    const void* Owner;
    TMessageHook Hook;
  };
  std::vector<THookEntry> FHooks;
  int FStoredClientWidth = 0, FStoredClientHeight = 0;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TBorderStyle FBorderStyle = bsSizeable;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  TWinControl* FActiveControl = nullptr;
};

// The form a control sits on (the control itself when it is one), or nullptr.
TForm* GetParentForm(TControl* control);
