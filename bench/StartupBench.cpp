// Start-up against the floor: launches the bare window program and the program itself
// (from its own folder, with the catalogue beside it) in turns, each until it first
// waits for input with its window painted, and prints both medians and their ratio.
//   scripts/wine-run.sh build/bench/StartupBench.exe [runs]   (61 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "ProcessMemory.h"

namespace {

// A started process, ended when it goes out of scope.
struct TStarted {
  PROCESS_INFORMATION Info{};
  bool Idle = false;
  double Milliseconds = -1;
  explicit TStarted(const std::filesystem::path& exe) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    std::wstring folder = exe.parent_path().wstring();
    double start = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &Info))
      return;
    Idle = WaitForInputIdle(Info.hProcess, 30000) == 0;
    Milliseconds = Now() - start;
  }
  ~TStarted() {
    if (!Info.hProcess) return;
    TerminateProcess(Info.hProcess, 0);
    WaitForSingleObject(Info.hProcess, 10000);
    CloseHandle(Info.hThread);
    CloseHandle(Info.hProcess);
  }
};

// Milliseconds from CreateProcess to the process's first wait for input, or -1.
double StartOnce(const std::filesystem::path& exe) {
  TStarted p(exe);
  return p.Idle ? p.Milliseconds : -1;
}

// The process's visible top-level window.
HWND MainWindowOf(DWORD process) {
  struct TFind { DWORD Process; HWND Found; } find{process, nullptr};
  EnumWindows([](HWND wnd, LPARAM data) -> BOOL {
    auto* f = reinterpret_cast<TFind*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    if (owner != f->Process || !IsWindowVisible(wnd)) return TRUE;
    f->Found = wnd;
    return FALSE;
  }, reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

// A click at a point of the main window's client area, given to the deepest
// window there, as the user's click would be.
void ClickAt(HWND main, int x, int y) {
  HWND target = main;
  POINT at{x, y};
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, at, CWP_SKIPINVISIBLE);
    if (!child || child == target) break;
    MapWindowPoints(target, child, &at, 1);
    target = child;
  }
  PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// The program's memory after start-up, and after the user has shown every
// category, chosen an effect and opened the save dialog (the places are those of
// the main window at its stored size).
void ProgramMemory(const std::filesystem::path& program, long& started, long& browsed) {
  TStarted p(program);
  started = browsed = -1;
  if (!p.Idle) return;
  Sleep(1000);
  started = bench::PrivateKilobytes(program);
  HWND main = MainWindowOf(p.Info.dwProcessId);
  if (!main) return;
  for (int category = 12; category >= 0; --category) {
    ClickAt(main, category * 60 + 30, 14);
    Sleep(150);
  }
  ClickAt(main, 60, 74);     // the first effect of the list
  Sleep(300);
  ClickAt(main, 738, 505);   // Save
  Sleep(1500);
  browsed = bench::PrivateKilobytes(program);
}

std::filesystem::path BesideMe(const wchar_t* relative) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path() / relative;
}

}  // namespace

// Enough starts of each that a busy moment of a shared machine does not move the
// medians: with 15 the ratio of the same build ranged over 0.2 from run to run.
constexpr int kDefaultRuns = 61;

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRuns;
  std::filesystem::path bare = BesideMe(L"BareWindow.exe");
  std::filesystem::path program = BesideMe(L"..\\app\\Tavoro.exe");
  if (!std::filesystem::exists(program / ".." / "spect.nht"))
    std::printf("note: no catalogue beside the program; it starts with an error box\n");
  std::vector<double> bareTimes, programTimes;
  StartOnce(bare);  // the first start of anything also loads Wine's own libraries
  for (int i = 0; i < runs; ++i) {
    double b = StartOnce(bare), p = StartOnce(program);
    if (b >= 0) bareTimes.push_back(b);
    if (p >= 0) programTimes.push_back(p);
  }
  double b = Median(bareTimes), p = Median(programTimes);
  std::printf("bare window to first wait for input: median %.0f ms over %zu\n", b, bareTimes.size());
  std::printf("program to first wait for input:     median %.0f ms over %zu\n", p,
              programTimes.size());
  std::printf("ratio %.2f (goal: at most 1.5)\n", b > 0 ? p / b : 0.0);
  long bareMemory = -1;
  {
    TStarted bareOnce(bare);
    Sleep(1000);
    bareMemory = bench::PrivateKilobytes(bare);
  }
  long started = -1, browsed = -1;
  ProgramMemory(program, started, browsed);
  std::printf("private memory (Private_Clean + Private_Dirty): bare window %.1f MB; program after start-up "
              "%.1f MB (goal: at most 16 MB), after every category and the save dialog %.1f MB\n",
              bareMemory / 1024.0, started / 1024.0, browsed / 1024.0);
  return 0;
}
