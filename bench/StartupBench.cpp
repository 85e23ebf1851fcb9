// Start-up against the floor: launches the bare window program and the program itself
// (from its own folder, with the catalogue beside it) in turns, each until it first
// waits for input with its window painted, and prints both medians and their ratio.
//   scripts/wine-run.sh build/bench/StartupBench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTiming.h"

namespace {

// Milliseconds from CreateProcess to the process's first wait for input, or -1.
double StartOnce(const std::filesystem::path& exe) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe.wstring() + L"\"";
  std::wstring folder = exe.parent_path().wstring();
  double start = Now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &si, &pi))
    return -1;
  DWORD idle = WaitForInputIdle(pi.hProcess, 30000);
  double spent = Now() - start;
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return idle == 0 ? spent : -1;
}

std::filesystem::path BesideMe(const wchar_t* relative) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path() / relative;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
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
  return 0;
}
