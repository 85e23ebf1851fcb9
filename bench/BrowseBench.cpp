// Browsing a large catalogue: 13 categories and 10,000 effects. Prints the time
// from process launch to the main window's first paint, and medians of: a
// category switch (query, list refill and repaint) and showing one effect's code,
// each beside its floor measured in the same run (see BrowseFloors.h) and the
// ratio of the two, and one wheel step of the effect list.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "BrowseFloors.h"
#include "app/CatalogueAccess.h"
#include "app/Unit1.h"
#include "controls/FxLabel.h"
#include "controls/FxMemo.h"
#include "db/ADOQuery.h"
#include "skin/controls/sfSkinComboBox.h"
#include "db/Catalogue.h"
#include "db/Database.h"
#include "db/Utf8.h"
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
  if (GetWindowTextLengthW(form.sfMemo->Handle()) > 0) {
    form.sfMemo->Lines().BeginUpdate();
    form.sfMemo->Clear();
    form.sfMemo->Lines().EndUpdate();
  }
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

// Beside the form: the list to its right, the code view's edit below the list. The
// screen may be too small for the edit to miss the form; the floors then lie
// beneath it (see main), so the program never paints less for them.
RECT FloorPlace(HWND form, HWND like, int top) {
  RECT f, r;
  GetWindowRect(form, &f);
  GetWindowRect(like, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int left = std::min<int>(f.right + 4, GetSystemMetrics(SM_CXSCREEN) - w);
  const int y = std::min<int>(top, GetSystemMetrics(SM_CYSCREEN) - h);
  return {left, y, left + w, y + h};
}

// The floor's names, turned into the list's text, are the program's list.
bool SameNames(const TNameFloor& floor, TForm1& form) {
  const std::vector<std::string>& names = floor.Names();
  if (static_cast<int>(names.size()) != form.sfLB->Items().Count()) return false;
  for (size_t i = 0; i < names.size(); ++i)
    if (Utf8ToAnsi(names[i]) != form.sfLB->Items()[static_cast<int>(i)]) return false;
  return true;
}

struct TFigures {
  std::vector<double> Switches, Engine, List, Floors, Shows, Edits;
};

void MeasureSwitches(TForm1& form, TNameFloor& names, TFloorHost& list, TFigures& f) {
  bool same = true;
  for (int round = 0; round < 3; ++round)
    for (int c = 1; c < 13; ++c) {
      const int category = round % 2 ? 12 - c : c;
      double t = Now();
      Press(form, category);
      UpdateWindow(form.Handle());
      f.Switches.push_back(Now() - t);
      t = Now();
      names.Step(category + 1);
      const double engine = Now() - t;
      const double shown = ListFloor(list, static_cast<int>(names.Names().size()));
      f.Engine.push_back(engine);
      f.List.push_back(shown);
      f.Floors.push_back(engine + shown);
      same = same && SameNames(names, form);
    }
  if (!same) std::printf("the floor's names differ from the program's list\n");
}

std::wstring WindowText(HWND wnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void MeasureShows(TForm1& form, TFloorHost& edit, TFigures& f) {
  HWND list = form.sfLB->ListBox().Handle();
  for (int i = 0; i < 30; ++i) {
    LPARAM at = MAKELPARAM(20, (i % 10) * 21 + 10);
    double t = Now();
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    UpdateWindow(form.Handle());
    f.Shows.push_back(Now() - t);
    f.Edits.push_back(EditFloor(edit, WindowText(form.sfMemo->Handle())));
  }
}

void PrintRatio(const char* what, double figure, double floor, double goal) {
  std::printf("  %s / floor = %.2f (goal at most %.1f)\n", what, floor > 0 ? figure / floor : 0.0, goal);
}

void PrintFigures(TForm1& form, const TFigures& f) {
  const double change = Median(f.Switches), floor = Median(f.Floors);
  std::printf("switch category (%d effects listed): median %.2f ms over %zu\n", form.sfLB->Items().Count(),
              change, f.Switches.size());
  std::printf("  floor: engine steps the names %.2f ms + platform list given the count %.2f ms = %.2f ms\n",
              Median(f.Engine), Median(f.List), floor);
  PrintRatio("switch", change, floor, 2);
  const double show = Median(f.Shows), edit = Median(f.Edits);
  std::printf("show one effect's code: median %.2f ms over %zu\n", show, f.Shows.size());
  std::printf("  floor: platform edit takes and paints the same text %.2f ms\n", edit);
  PrintRatio("show", show, edit, 1.3);
}

void Hold(double milliseconds) {
  for (double end = Now() + milliseconds; Now() < end; Sleep(20)) Application->ProcessMessages();
}

void Look(TForm1& form) {
  Press(form, 3);
  Hold(3000);
  HWND list = form.sfLB->ListBox().Handle();
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 31));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 31));
  Hold(3000);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
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
  // The floors stand beside the form, not over it.
  form->SetBounds(0, 0, form->Width(), form->Height());
  Application->ProcessMessages();
  HWND list = form->sfLB->ListBox().Handle();
  HWND memo = form->sfMemo->Handle();
  TNameFloor names(file, CataloguePassword);
  std::printf("floor statement's plan: %s\n", names.Plan().c_str());
  TFloorHost listFloor(L"LISTBOX",
                       WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                       FloorPlace(form->Handle(), list, 0), form->sfLB->ListBoxFont().Handle());
  SendMessageW(listFloor.Child(), LB_SETITEMHEIGHT, 0, form->sfLB->ItemHeight());
  listFloor.Names = &names.Names();
  TFloorHost editFloor(L"EDIT", static_cast<DWORD>(GetWindowLongW(memo, GWL_STYLE) & 0xFFFF) | WS_VSCROLL,
                       FloorPlace(form->Handle(), memo, 0x7FFF), form->sfMemo->Font().Handle());
  for (HWND host : {listFloor.Host(), editFloor.Host()})
    SetWindowPos(host, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Application->ProcessMessages();

  TFigures figures;
  MeasureSwitches(*form, names, listFloor, figures);
  MeasureShows(*form, editFloor, figures);
  std::vector<double> wheels;
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
  PrintFigures(*form, figures);
  std::printf("one wheel step of the list: median %.2f ms over %zu (goal 2 ms)\n", Median(wheels), wheels.size());
  // "look": a switch, then an effect shown, each left a few seconds to be looked at
  // beside the floors.
  if (argc > 1 && std::wstring(argv[1]) == L"look") Look(*form);
  delete form;
  return 0;
}
