#include "SystemLibraries.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace {
bool comTried = false;
bool comInitialized = false;
bool controlsRegistered = false;
}  // namespace

void UseCom() {
  if (comTried) return;
  comTried = true;
  comInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void ReleaseCom() {
  if (comInitialized) CoUninitialize();
  comInitialized = false;
  comTried = false;
}

void UseCommonControls() {
  if (controlsRegistered) return;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  controlsRegistered = InitCommonControlsEx(&icc) != FALSE;
}
