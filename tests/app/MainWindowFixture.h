#pragma once
// The main window over a catalogue of our own beside the test program, with the
// settings file removed first and the current folder a scratch folder, so a
// preview writes where the test can look. No box, browser or mail program ever
// opens: message boxes and the shell are recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "db/Catalogue.h"
#include "ui/Dialogs.h"
#include "ui/Shell.h"
#include "ui/CodePage.h"
#include "ui/SysUtils.h"

inline const std::vector<std::string>& CategoryCaptions() {
  static const std::vector<std::string> captions = {
      "菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标", "页面窗口", "表格色彩",
      "链接文字", "表单按钮", "计数转换", "游戏测试", "综合实例", "广告代码"};
  return captions;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Folder = std::filesystem::path(ExeFolder());
    RemoveFiles();
    Scratch = std::filesystem::temp_directory_path() / "tavoro_app_tests";
    std::filesystem::remove_all(Scratch);
    std::filesystem::create_directories(Scratch);
    SavedCwd = std::filesystem::current_path();
    std::filesystem::current_path(Scratch);
  }

  void TearDown() override {
    Form.reset();
    std::filesystem::current_path(SavedCwd);
    std::error_code ec;
    std::filesystem::remove_all(Scratch, ec);
    RemoveFiles();
  }

  void RemoveFiles() {
    std::error_code ec;
    std::filesystem::remove_all(Folder / "spect.nht", ec);
    std::filesystem::remove_all(Folder / "Vexmark.ini", ec);
  }

  std::filesystem::path Catalogue() const { return Folder / "spect.nht"; }

  // The 13 categories, then effects: two in category 1, two rows of one name in
  // category 3, a name with a quote in category 4; category 5 stays empty.
  void MakeCatalogue() {
    std::vector<TCatalogueRow> rows;
    for (const std::string& c : CategoryCaptions()) rows.push_back({0, c, ""});
    rows.push_back({1, "下拉菜单", "<ul class=\"menu\">\r\n<li>首页</li>\r\n</ul>"});
    rows.push_back({1, "滑动菜单", "<div>滑动</div>"});
    rows.push_back({2, "数字时钟", "<span id=\"clock\"></span>"});
    rows.push_back({3, "图片轮换", "<img alt=\"一\">"});
    rows.push_back({3, "图片轮换", "<img alt=\"二\">"});
    rows.push_back({4, "引号\"图层", "<div>quoted</div>"});
    rows.push_back({4, "引号", "<div>not me</div>"});
    CreateCatalogue(Catalogue(), CataloguePassword);
    AppendCatalogueRows(Catalogue(), CataloguePassword, rows);
  }

  TForm1& Open() {
    Form = std::make_unique<TForm1>(nullptr);
    Form->AfterConstruction();
    return *Form;
  }

  static std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path Folder, Scratch, SavedCwd;
  TMessageBoxRecorder Boxes;
  TShellRecorder Shell{false, false};
  std::unique_ptr<TForm1> Form;
};
