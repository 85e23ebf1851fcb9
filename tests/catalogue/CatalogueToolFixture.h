#pragma once
// A fresh folder per test with a source tree written into it, and the tool's
// commands run on it as the build runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/catalogue/CatalogueTool.h"

// UTF-8 text from a u8 literal (plain literals are code page 936 in this build).
inline std::string U8(const char8_t* text) {
  return std::string(reinterpret_cast<const char*>(text));
}

class CatalogueToolFixture : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    Folder = std::filesystem::temp_directory_path() / "tavoro_catalogue_tests" /
             (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Source());
  }

  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(Folder, ec);
  }

  std::filesystem::path Source() const { return Folder / "catalogue"; }
  std::filesystem::path Spect() const { return Folder / "out" / "spect.nht"; }

  // Writes bytes to Source()/relative (a UTF-8 path), making its folders.
  void Put(const char8_t* relative, const std::string& bytes) {
    const std::filesystem::path file = Source() / std::filesystem::path(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }

  static std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  // Runs the tool; Output and Errors hold what it wrote.
  int Run(const std::vector<std::wstring>& args) {
    Output.clear();
    Errors.clear();
    return RunCatalogueTool(args, Output, Errors);
  }
  int Build() { return Run({L"build", Source().wstring(), Spect().wstring()}); }

  std::filesystem::path Folder;
  std::string Output;
  std::string Errors;
};
