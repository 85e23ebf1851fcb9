#include <windows.h>

#include "controls/FxURLLabel.h"

#include "ui/Screen.h"
#include "ui/Shell.h"
#include "ui/SysUtils.h"

namespace {

constexpr unsigned kOpenMask = 0x540;  // no error boxes of the shell; wait for DDE to finish
constexpr int kShowNormal = 1;

}  // namespace

TFxURLLabel::TFxURLLabel(TComponent* AOwner) : TFxLabel(AOwner) {
  // Stock cursors are shared by the system and never destroyed.
  Screen->SetCursors(crFxHandPoint, LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
  SetCursor(crFxHandPoint);
  SetTextStyle(tsNormal);
  FVisited = false;
  Font().SetColor(clHighlight);
  Font().SetStyle({fsUnderline});
}

TFxURLLabel::~TFxURLLabel() = default;

void TFxURLLabel::ApplyVisitedColor() {
  Font().SetColor(FVisited ? FVisitedColor : FUnvisitedColor);
  Invalidate();
}

void TFxURLLabel::SetVisited(bool value) {
  FVisited = value;
  ApplyVisitedColor();
}

void TFxURLLabel::SetVisitedColor(TColor value) {
  FVisitedColor = value;
  ApplyVisitedColor();
}

void TFxURLLabel::SetUnvisitedColor(TColor value) {
  FUnvisitedColor = value;
  ApplyVisitedColor();
}

void TFxURLLabel::Click() {
  TFxLabel::Click();
  std::string url = Trim(FURL);
  std::string target = url.empty() ? Caption() : url;
  if (Trim(target).empty()) return;
  TShellRequest request;
  request.Verb = "Open";
  request.File = target;
  request.Show = kShowNormal;
  request.Mask = kOpenMask;
  request.UseEx = true;
  if (ShellOpen(request)) {
    SetVisited(true);
    return;
  }
  // Nothing is registered for web pages: let the user choose a program.
  if (UpperCase(ExtractFileExt(target)) == ".HTM")
    RunCommandLine("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", kShowNormal);
}
