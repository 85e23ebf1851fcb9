#pragma once
// TClipboard: the system clipboard as text. Text goes in and out as Unicode
// (CF_UNICODETEXT), converted explicitly from and to code page 936, so Chinese
// survives whatever the system's ANSI code page is.
#include <string>

#include "Component.h"
#include "WinHandles.h"

class TClipboard : public TObject {
 public:
  TClipboard() = default;
  // The clipboard's text, or empty when it holds none.
  std::string AsText();
  // The same, every character as it is.
  std::wstring AsWideText();
  // Replaces the clipboard's whole content by `text`.
  void SetAsText(const std::string& text);
  // `format` is a clipboard format number (CF_TEXT, CF_UNICODETEXT, ...).
  bool HasFormat(unsigned format) const;
  void Clear();
  ~TClipboard() override;

 private:
  // The clipboard is opened on behalf of a hidden window of ours: content placed
  // while it is opened for no window at all has no owner, which the platform may refuse.
  HWND Window();
  HWND FWindow = nullptr;
};

// The process's one clipboard object. Opening the clipboard is retried for a
// moment, since another program may hold it; when it stays held the operation
// raises Exception("Cannot open clipboard").
TClipboard& Clipboard();
