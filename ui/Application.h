#pragma once
// TApplication: the program's title, its message loop, its forms and the
// default report of errors that no handler caught.
#include <functional>
#include <string>

#include "Component.h"
#include "Exception.h"
#include "HintInfo.h"
#include "WinHandles.h"

class TForm;
class TTimer;
class TWinControl;

// A queued message as the loop takes it out, before it is dispatched.
struct TAppMessage {
  HWND Wnd = nullptr;
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
};
// Sees every queued message first; setting Handled keeps it from its window.
using TMessageEvent = std::function<void(TAppMessage& Msg, bool& Handled)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Gives the application its title from the program file when it has none. COM and
  // the common controls are prepared where first needed (ui/SystemLibraries.h).
  void Initialize();

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value);

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!FMainForm) FMainForm = form;
    form->AfterConstruction();
    return form;
  }
  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }
  void FormDestroyed(TForm* form);

  // Shows the main form and handles messages until the program is told to end.
  void Run();
  // Handles one message, waiting for it if none is queued.
  void HandleMessage();
  // Handles every queued message and returns.
  void ProcessMessages();
  void Terminate();

  // Minimizes the main form (and with it the program) or brings it back; each
  // raises its event once per change of state.
  void Minimize();
  void Restore();
  bool Minimized() const;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  bool Terminated() const { return FTerminated; }
  // Lets a test run the loop again after Terminate.
  void ResetTerminated() { FTerminated = false; }

  // The default error report: OnException when set, else ShowException.
  void HandleException(const Exception& e);
  // A box titled with the application title, error icon, OK button, the
  // message with a full stop appended when its last character sorts after ".".
  void ShowException(const Exception& e);
  std::function<void(TObject* Sender, const Exception& E)> OnException;
  // The application's message hook. Whoever replaces it keeps the one it found and
  // puts it back.
  TMessageEvent OnMessage;

  // ---- hints ----
  // Off: no hint is shown and the hint window is freed; turned on again, the next
  // hint uses a window made by HintWindowClass.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  // How long the mouse rests on a control before its hint shows (ms)...
  int HintPause() const { return FHintPause; }
  void SetHintPause(int value) { FHintPause = value; }
  // ...or, while a hint is up, before the next control's hint replaces it...
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int value) { FHintShortPause = value; }
  // ...and how long a hint stays.
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int value) { FHintHidePause = value; }
  // Makes the hint window; unset, a plain THintWindow.
  THintWindowClass HintWindowClass;
  // May change the text, the place or the timing of a hint, or cancel it.
  TShowHintEvent OnShowHint;
  THintWindow* HintWindow() const { return FHintWindow; }
  // The control whose hint is pending or showing.
  TControl* HintControl() const { return FHintControl; }
  // A hint is on the screen.
  bool HintShowing() const;
  // Every window of ours passes its messages here first: mouse moves start hints,
  // leaving, presses, keys and the application's deactivation end them.
  void HintMessage(TWinControl* window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
  // Shows the hint control's hint now, for the mouse at a screen point.
  void ActivateHint(TPoint CursorPos);
  // Hides the hint and forgets its control.
  void CancelHint();
  // Hides the hint window only.
  void HideHint();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HintMouseMove(TControl* control, TPoint screen);
  void SetHintControl(TControl* control);
  void StartHintTimer(int ms, bool show);
  void StopHintTimer();
  void HintTimerExpired();
  THintWindow* NeedHintWindow();

  bool FShowHint = true;
  int FHintPause = 500, FHintShortPause = 50, FHintHidePause = 2500;
  THintWindow* FHintWindow = nullptr;  // owned by the application
  TControl* FHintControl = nullptr;
  // The control last pressed, only ever compared: it shows no hint while the pointer
  // stays on it, and is forgotten when the pointer moves to another control.
  const TControl* FHintPressed = nullptr;
  TTimer* FHintTimer = nullptr;        // owned by the application
  bool FHintTimerShows = false;
  bool FHintActive = false;
  TRect FHintCursorRect;
  TPoint FHintMouse;
  bool ProcessMessage();
  bool IsTabNavigation(const void* msg);
  void TellCancelMode(HWND pressed);
  bool IsShortCut(const void* msg);

  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

extern TApplication* Application;

// For catch (...) blocks around event handlers: reports the exception in
// flight through the application's default error report.
void HandleEventException() noexcept;

// The text the default error report shows for a message.
std::string ErrorReportText(const std::string& message);
std::wstring ErrorReportText(const std::wstring& message);
