// Browsing a large catalogue: 13 categories and 10,000 effects. Prints the time
// from process launch to the main window's first paint, to switch category
// (query and list refill) and to show one effect's code.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "db/Catalogue.h"
#include "skin/controls/sfListBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/SysUtils.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double MillisecondsSinceLaunch() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

double FirstPaint = 0;

class TBenchForm : public TForm1 {
 public:
  using TForm1::TForm1;
  void WndProc(TMessage& m) override {
    TForm1::WndProc(m);
    if (m.Msg == WM_PAINT && FirstPaint == 0) FirstPaint = MillisecondsSinceLaunch();
  }
};

void MakeCatalogue(const std::filesystem::path& file) {
  const char* captions[] = {"菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标", "页面窗口", "表格色彩",
                            "链接文字", "表单按钮", "计数转换", "游戏测试", "综合实例", "广告代码"};
  std::vector<TCatalogueRow> rows;
  for (const char* c : captions) rows.push_back({0, c, ""});
  std::string code;
  for (int line = 0; line < 40; ++line) code += "<div class=\"effect\">网页特效代码 line " + std::to_string(line) + "</div>\r\n";
  for (int i = 0; i < 10000; ++i) rows.push_back({i % 13 + 1, "特效" + std::to_string(i), code});
  std::filesystem::remove(file);
  CreateCatalogue(file, CataloguePassword);
  AppendCatalogueRows(file, CataloguePassword, rows);
}

void Press(TForm1& form, int index) {
  auto* b = static_cast<TControl*>(form.sfTb->FindComponent("Sbtn" + std::to_string(index)));
  LPARAM at = MAKELPARAM(b->Left() + 30, b->Top() + 10);
  SendMessageW(form.sfTb->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(form.sfTb->Handle(), WM_LBUTTONUP, 0, at);
}

}  // namespace

int wmain() {
  std::filesystem::path file = std::filesystem::path(ExeFolder()) / "spect.nht";
  if (!std::filesystem::exists(file)) {
    std::printf("making a catalogue of 13 categories and 10,000 effects in %ls\n", file.c_str());
    MakeCatalogue(file);
    std::printf("run again: the start-up time counts from this process's launch\n");
    return 0;
  }
  Application->Initialize();
  SetMessageBoxHandler([](HWND, const std::string& text, const std::string&, unsigned) {
    std::printf("message: %s\n", text.c_str());
    return 1;
  });
  auto* form = new TBenchForm(nullptr);
  form->AfterConstruction();
  form->Show();
  UpdateWindow(form->Handle());
  Application->ProcessMessages();
  std::printf("start-up to first paint: %.0f ms\n", FirstPaint);

  std::vector<double> switches, shows;
  for (int round = 0; round < 3; ++round)
    for (int c = 1; c < 13; ++c) {
      double t = Now();
      Press(*form, round % 2 ? 12 - c : c);
      switches.push_back(Now() - t);
    }
  HWND list = form->sfLB->ListBox().Handle();
  for (int i = 0; i < 30; ++i) {
    double t = Now();
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, (i % 10) * 20 + 10));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, (i % 10) * 20 + 10));
    shows.push_back(Now() - t);
  }
  std::printf("switch category (%d effects listed): median %.1f ms over %zu\n",
              form->sfLB->Items().Count(), Median(switches), switches.size());
  std::printf("show one effect's code: median %.1f ms over %zu\n", Median(shows), shows.size());
  delete form;
  return 0;
}
