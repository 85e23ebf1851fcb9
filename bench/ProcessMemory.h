#pragma once
// The private memory of another process of ours, read the way Linux counts it: under
// Wine the process's own counters read 0, but its unix side is an ordinary process
// whose /proc entry the Z: drive shows. The process is found by the program path
// on its command line; the newest such process wins.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace bench {

inline std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

inline std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Private_Clean + Private_Dirty of the newest process running `exe`, in KB; -1 when
// there is none (not under Wine, or it has gone).
inline long PrivateKilobytes(const std::filesystem::path& exe) {
  const std::string name = Lower(exe.filename().string());
  const std::string folder = Lower(exe.parent_path().filename().string());
  long best = -1, newest = -1;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("Z:\\proc", ec)) {
    const std::string pidText = entry.path().filename().string();
    if (pidText.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string command = Lower(ReadWhole(entry.path() / "cmdline"));
    for (char& c : command) if (c == '/') c = '\\';
    if (command.find(folder + "\\" + name) == std::string::npos) continue;
    const long pid = std::atol(pidText.c_str());
    if (pid < newest) continue;
    std::istringstream rollup(ReadWhole(entry.path() / "smaps_rollup"));
    long sum = 0, kb = 0;
    for (std::string key; rollup >> key;) {
      if (key == "Private_Clean:" || key == "Private_Dirty:") {
        rollup >> kb;
        sum += kb;
      }
    }
    newest = pid;
    best = sum;
  }
  return best;
}

}  // namespace bench
