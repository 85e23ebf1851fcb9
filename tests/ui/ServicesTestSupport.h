#pragma once
// A private scratch folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <string>

#include <windows.h>

class TScratchFolder {
 public:
  explicit TScratchFolder(const std::wstring& name) {
    FPath = std::filesystem::temp_directory_path() /
            (L"ui_services_" + std::to_wstring(GetCurrentProcessId()) + L"_" + name);
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TScratchFolder() {
    std::error_code ignored;
    for (auto& entry : std::filesystem::recursive_directory_iterator(FPath, ignored))
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(FPath, ignored);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  std::wstring File(const std::wstring& name) const { return (FPath / name).wstring(); }

 private:
  std::filesystem::path FPath;
};

inline void WriteBytes(const std::wstring& file, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(file), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::wstring& file) {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
