// A full repaint of the skinned main window (every control, synchronously) at its
// stored size and at 1920 x 1080, beside the floor: one BitBlt of a bitmap of the
// same size into the window. Medians of many runs. For the full-HD figure give the
// display that size:
//   xvfb-run -a -s "-screen 0 1920x1080x24" scripts/wine-run.sh build/bench/PaintBench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "app/Unit1.h"
#include "db/Catalogue.h"
#include "skin/controls/sfSkinControl.h"
#include "ui/Application.h"
#include "ui/Bitmap.h"
#include "ui/Dialogs.h"
#include "ui/SysUtils.h"

namespace {

// The 13 categories with a few effects each, so the tool bar holds its buttons.
void MakeCatalogue(const std::filesystem::path& file) {
  const char* captions[] = {"菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标", "页面窗口", "表格色彩",
                            "链接文字", "表单按钮", "计数转换", "游戏测试", "综合实例", "广告代码"};
  std::vector<TCatalogueRow> rows;
  for (const char* c : captions) rows.push_back({0, c, ""});
  for (int i = 0; i < 91; ++i)
    rows.push_back({i % 13 + 1, "特效" + std::to_string(i), "<div>网页特效</div>\r\n"});
  std::filesystem::remove(file);
  CreateCatalogue(file, CataloguePassword);
  AppendCatalogueRows(file, CataloguePassword, rows);
}

double RepaintAll(HWND window) {
  double t = Now();
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
  return Now() - t;
}

// Where a repaint goes: each windowed control repainted alone, its own area only.
void MeasureEach(TWinControl& parent, int depth) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* c = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!c || !c->HandleAllocated() || !IsWindowVisible(c->Handle())) continue;
    std::vector<double> times;
    for (int k = 0; k < 10; ++k) {
      double t = Now();
      RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      GdiFlush();
      times.push_back(Now() - t);
    }
    std::vector<double> client;
    for (int k = 0; k < 10; ++k) {
      double t = Now();
      RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      GdiFlush();
      client.push_back(Now() - t);
    }
    std::vector<double> offscreen;
    if (auto* skinned = dynamic_cast<TsfSkinControl*>(c)) {
      TBitmap image(c->Width(), c->Height());
      for (int k = 0; k < 10; ++k) {
        double t = Now();
        skinned->PaintTo(image.DC());
        GdiFlush();
        offscreen.push_back(Now() - t);
      }
    }
    std::printf("  %*s%s %d x %d: %.2f ms, client only %.2f ms, its paint into memory %.2f ms\n",
                depth * 2, "", c->Name().c_str(), c->Width(), c->Height(), Median(times),
                Median(client), Median(offscreen));
    MeasureEach(*c, depth + 1);
  }
}

// The bench's window may be larger than the screen.
class TBenchForm : public TForm1 {
 public:
  using TForm1::TForm1;
  void WndProc(TMessage& m) override {
    TForm1::WndProc(m);
    if (m.Msg == WM_GETMINMAXINFO) {
      reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMaxTrackSize = {4000, 4000};
      m.Result = 0;
    }
  }
};

void Measure(TForm1& form, const char* label, int runs) {
  Application->ProcessMessages();
  HWND window = form.Handle();
  RECT r;
  GetWindowRect(window, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<double> repaints, floors;
  for (int i = 0; i < runs; ++i) {
    repaints.push_back(RepaintAll(window));
    floors.push_back(BlitFloor(window, width, height));
  }
  double repaint = Median(repaints), floor = Median(floors);
  std::printf("%s (%d x %d): full repaint median %.2f ms, BitBlt floor %.2f ms, ratio %.1f (%d runs)\n",
              label, width, height, repaint, floor, floor > 0 ? repaint / floor : 0.0, runs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 50;
  std::filesystem::path file = std::filesystem::path(ExeFolder()) / "spect.nht";
  if (!std::filesystem::exists(file)) MakeCatalogue(file);
  Application->Initialize();
  SetMessageBoxHandler([](HWND, const std::string& text, const std::string&, unsigned) {
    std::printf("message: %s\n", text.c_str());
    return 1;
  });
  auto* form = new TBenchForm(nullptr);
  form->AfterConstruction();
  form->SetBounds(0, 0, form->Width(), form->Height());
  form->Show();
  UpdateWindow(form->Handle());
  Measure(*form, "stored size", runs);
  if (argc > 2) MeasureEach(*form, 1);
  form->SetBounds(0, 0, 1920, 1080);
  Measure(*form, "full HD", runs);
  std::printf("goal at full HD: at most 16 ms\n");
  delete form;
  return 0;
}
