#pragma once
// Drives the skinned file dialog from a test: the action runs once the dialog's
// form is up in its modal loop, as a user's input would.
#include <windows.h>

#include <functional>

#include "skin/dialogs/sfOpenDlgForm.h"
#include "ui/Application.h"
#include "ui/Screen.h"

inline std::function<void(TsfOpenDlgForm&)>& PendingDialogAction() {
  static std::function<void(TsfOpenDlgForm&)> action;
  return action;
}

inline TsfOpenDlgForm* ShownDialogForm() {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (auto* form = dynamic_cast<TsfOpenDlgForm*>(Screen->Forms(i)))
      if (form->Modal() && form->Visible()) return form;
  return nullptr;
}

inline void CALLBACK DialogTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  TsfOpenDlgForm* form = ShownDialogForm();
  if (!form) return;
  KillTimer(nullptr, id);
  auto action = std::move(PendingDialogAction());
  PendingDialogAction() = nullptr;
  if (action) action(*form);
  // A failed assertion must not leave the test waiting on the dialog.
  if (form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
}

// Runs `action` on the dialog shown next; the dialog is cancelled after it unless
// the action accepted it.
inline void WhenDialogShows(std::function<void(TsfOpenDlgForm&)> action) {
  PendingDialogAction() = std::move(action);
  SetTimer(nullptr, 0, 10, DialogTimerProc);
}

inline void CancelDialog(TsfOpenDlgForm& form) { form.SetModalResult(mrCancel); }
