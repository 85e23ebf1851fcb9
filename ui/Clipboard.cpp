#include "Clipboard.h"

#include <windows.h>

#include <cstring>

#include "CodePage.h"
#include "Exception.h"

namespace {

// Open for the lifetime of the guard.
class TClipboardOpen {
 public:
  explicit TClipboardOpen(HWND owner) {
    for (int attempt = 0; attempt < 15; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(20);
    }
    throw Exception("Cannot open clipboard");
  }
  ~TClipboardOpen() { CloseClipboard(); }
  TClipboardOpen(const TClipboardOpen&) = delete;
  TClipboardOpen& operator=(const TClipboardOpen&) = delete;
};

// Locked for the lifetime of the guard.
class TGlobalLock {
 public:
  explicit TGlobalLock(HGLOBAL memory) : FMemory(memory), FData(GlobalLock(memory)) {}
  ~TGlobalLock() {
    if (FData) GlobalUnlock(FMemory);
  }
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  void* Data() const { return FData; }

 private:
  HGLOBAL FMemory;
  void* FData;
};

HGLOBAL AllocateText(const std::wstring& text) {
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) throw EOSError("Out of memory for the clipboard");
  TGlobalLock lock(memory);
  if (!lock.Data()) {
    GlobalFree(memory);
    throw EOSError("Out of memory for the clipboard");
  }
  std::memcpy(lock.Data(), text.c_str(), bytes);
  return memory;
}

}  // namespace

TClipboard::~TClipboard() {
  if (FWindow) DestroyWindow(FWindow);
}

HWND TClipboard::Window() {
  if (!FWindow)
    FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  return FWindow;
}

std::string TClipboard::AsText() { return WideToAnsi(AsWideText()); }

std::wstring TClipboard::AsWideText() {
  TClipboardOpen open(Window());
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  TGlobalLock lock(data);
  if (!lock.Data()) return {};
  // The block may be larger than the text; the text ends at its terminator.
  size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  const auto* chars = static_cast<const wchar_t*>(lock.Data());
  return std::wstring(chars, wcsnlen(chars, capacity));
}

void TClipboard::SetAsText(const std::string& text) {
  HGLOBAL memory = AllocateText(AnsiToWide(text));
  try {
    TClipboardOpen open(Window());
    EmptyClipboard();
    // On success the clipboard owns the block.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) throw EOSError("Cannot put text on the clipboard");
  } catch (...) {
    GlobalFree(memory);
    throw;
  }
}

bool TClipboard::HasFormat(unsigned format) const { return IsClipboardFormatAvailable(format) != FALSE; }

void TClipboard::Clear() {
  TClipboardOpen open(Window());
  EmptyClipboard();
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
