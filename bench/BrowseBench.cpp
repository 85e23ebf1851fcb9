// Browsing a large catalogue: 13 categories and 10,000 effects. Prints the time
// from process launch to the main window's first paint, and medians of: a
// category switch (query, list refill and repaint), showing one effect's code,
// one wheel step of the effect list, and the floor of the switch: stepping the
// same category's rows with the engine directly, without query object or list.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "app/CatalogueAccess.h"
#include "app/Unit1.h"
#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "db/ADOQuery.h"
#include "skin/controls/sfSkinComboBox.h"
#include "db/Catalogue.h"
#include "db/Database.h"
#include "skin/controls/sfListBox.h"
#include "skin/controls/sfSkinListBox.h"
#include "skin/controls/sfSkinSpeedButton.h"
#include "skin/controls/sfSkinToolBar.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/SysUtils.h"

namespace {

double MillisecondsSinceLaunch() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
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

// Only the benchmark's own catalogue will do: a smaller one left beside the
// program (the shipped one, or a test's) is made again.
bool IsBenchCatalogue(const std::filesystem::path& file) {
  if (!std::filesystem::exists(file)) return false;
  try {
    TDatabase db(file, CataloguePassword, TDatabase::omExisting);
    TStatement count(db, "SELECT COUNT(*) FROM SPECT WHERE ParentID<>0");
    return count.Step() && count.Column(0).Integer == 10000;
  } catch (const std::exception&) {
    return false;
  }
}

void Press(TForm1& form, int index) {
  auto* b = static_cast<TControl*>(form.sfTb->FindComponent("Sbtn" + std::to_string(index)));
  LPARAM at = MAKELPARAM(b->Left() + 30, b->Top() + 10);
  SendMessageW(form.sfTb->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(form.sfTb->Handle(), WM_LBUTTONUP, 0, at);
}

// The handlers' steps one by one, each timed, to see where a switch and a display
// spend their time.
struct TPieces {
  std::vector<double> Times[6];
  void Add(int i, double t) { Times[i].push_back(t); }
  void Print(const char* title, std::initializer_list<const char*> names) {
    std::printf("%s:", title);
    int i = 0;
    for (const char* n : names) std::printf(" %s %.2f", n, Median(Times[i++]));
    std::printf(" ms\n");
  }
};

void ProfileSwitch(TForm1& form, int category, TPieces& p) {
  double t = Now();
  form.sfLB->Items().BeginUpdate();
  form.sfLB->Items().Clear();
  form.sfMemo->Clear();
  form.sfCbb->SetItemIndex(category - 1);
  p.Add(0, Now() - t);
  t = Now();
  form.Rs->SetConnectionString(BuildConnectionString());
  form.Rs->SQL().SetText(EffectsStatement(category));
  form.Rs->Open();
  p.Add(1, Now() - t);
  double add = 0;
  t = Now();
  while (!form.Rs->Eof()) {
    std::string name = form.Rs->FieldByName("EffectName").AsString();
    double a = Now();
    form.sfLB->Items().Add(name);
    add += Now() - a;
    form.Rs->Next();
  }
  form.Rs->Close();
  p.Add(2, Now() - t - add);
  t = Now();
  form.sfLB->Items().EndUpdate();
  p.Add(3, add + Now() - t);
  t = Now();
  form.FxLab_Qty->SetCaption("x");
  UpdateWindow(form.Handle());
  p.Add(4, Now() - t);
}

void ProfileShow(TForm1& form, int index, TPieces& p) {
  double t = Now();
  form.sfLB->SetItemIndex(index);
  UpdateWindow(form.Handle());
  p.Add(0, Now() - t);
  t = Now();
  form.sfMemo->Lines().BeginUpdate();
  form.sfMemo->Clear();
  p.Add(1, Now() - t);
  t = Now();
  form.Rs->SetConnectionString(BuildConnectionString());
  form.Rs->SQL().SetText(LookupStatement(form.sfLB->Items()[index]));
  form.Rs->Open();
  std::vector<std::string> codes;
  while (!form.Rs->Eof()) {
    codes.push_back(form.Rs->FieldByName("Code").AsString());
    form.Rs->Next();
  }
  form.Rs->Close();
  p.Add(2, Now() - t);
  t = Now();
  for (const std::string& c : codes) form.sfMemo->Lines().Add(c);
  form.sfMemo->SetSelStart(0);
  SendMessageW(form.sfMemo->Handle(), EM_SCROLLCARET, 0, 0);
  form.sfMemo->Lines().EndUpdate();
  p.Add(3, Now() - t);
  t = Now();
  UpdateWindow(form.Handle());
  p.Add(4, Now() - t);
}

}  // namespace

int wmain() {
  // Unbuffered: every line is out even if the run ends early.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  std::filesystem::path file = std::filesystem::path(ExeFolder()) / "spect.nht";
  if (!IsBenchCatalogue(file)) {
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

  std::vector<double> switches, shows, wheels, floors;
  HWND list = form->sfLB->ListBox().Handle();
  TDatabase direct(file, CataloguePassword, TDatabase::omExisting);
  for (int round = 0; round < 3; ++round)
    for (int c = 1; c < 13; ++c) {
      int category = round % 2 ? 12 - c : c;
      double t = Now();
      Press(*form, category);
      UpdateWindow(form->Handle());
      switches.push_back(Now() - t);
      // The same rows, read the way the store gives them, with nothing on top.
      t = Now();
      TStatement rows(direct, "SELECT * FROM SPECT WHERE ParentID=" + std::to_string(category + 1));
      size_t bytes = 0;
      while (rows.Step()) bytes += rows.Column(2).Bytes.size();
      floors.push_back(Now() - t);
      if (bytes == 0) std::printf("category %d is empty\n", category + 1);
    }
  for (int i = 0; i < 30; ++i) {
    LPARAM at = MAKELPARAM(20, (i % 10) * 21 + 10);
    double t = Now();
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    UpdateWindow(form->Handle());
    shows.push_back(Now() - t);
  }
  for (int i = 0; i < 30; ++i) {
    POINT p{20, 20};
    ClientToScreen(list, &p);
    double t = Now();
    SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, i < 20 ? -WHEEL_DELTA : WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    UpdateWindow(form->Handle());
    wheels.push_back(Now() - t);
  }
  TPieces switchPieces, showPieces;
  for (int i = 0; i < 12; ++i) ProfileSwitch(*form, i % 12 + 1, switchPieces);
  for (int i = 0; i < 20; ++i) ProfileShow(*form, i % 10, showPieces);
  switchPieces.Print("switch pieces", {"clear", "open", "step", "add", "paint"});
  showPieces.Print("show pieces", {"select", "clear", "query", "fill", "paint"});
  double floor = Median(floors), change = Median(switches);
  std::printf("switch category (%d effects listed): median %.1f ms over %zu (goal 20 ms)\n",
              form->sfLB->Items().Count(), change, switches.size());
  std::printf("floor, the same rows stepped directly: median %.1f ms; switch / floor = %.2f (goal 2)\n", floor,
              floor > 0 ? change / floor : 0.0);
  std::printf("show one effect's code: median %.1f ms over %zu (goal 5 ms)\n", Median(shows), shows.size());
  std::printf("one wheel step of the list: median %.1f ms over %zu (goal 2 ms)\n", Median(wheels), wheels.size());
  delete form;
  return 0;
}
