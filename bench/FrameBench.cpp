// One step of a live resize of a skinned frame at 1920 x 1080: the region rebuilt
// for the proposed size (WM_SIZING), the window taking the size, and the four frame
// bands painted (WM_NCPAINT); beside the floor, one BitBlt of the window's bytes.
// Medians of many steps. Give the display room for the window:
//   xvfb-run -a -s "-screen 0 1920x1080x24" scripts/wine-run.sh build/bench/FrameBench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

struct TStep {
  double Region, Paint;
};

TStep ResizeStep(HWND window, int width, int height) {
  double t = Now();
  RECT r{0, 0, width, height};
  SendMessageW(window, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
  SetWindowPos(window, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  GdiFlush();
  double region = Now() - t;
  t = Now();
  SendMessageW(window, WM_NCPAINT, 1, 0);
  GdiFlush();
  return {region, Now() - t};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 100;
  Application->Initialize();
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  auto* form = new TForm(nullptr);
  form->AfterConstruction();
  auto* frame = new TsfSkinForm(form);
  auto* skin = new TsfSkinData(form);
  auto* stored = new TsfCompressedStoredSkin(form);
  frame->SetSkinData(skin);
  form->SetCaption("Tavoro网页特效集");
  form->SetBounds(0, 0, 1920, 1080);
  form->Show();
  stored->SetCompressedData(LoadEmbeddedSkinResource(kStoredSkinResource));
  skin->SetCompressedStoredSkin(stored);
  Application->ProcessMessages();
  HWND window = form->Handle();
  SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
  std::vector<double> steps, regions, paints, floors;
  for (int i = 0; i < runs; ++i) {
    // Alternate by one pixel so that every step is a real change of size.
    TStep s = ResizeStep(window, 1920 - (i % 2), 1080 - (i % 2));
    steps.push_back(s.Region + s.Paint);
    regions.push_back(s.Region);
    paints.push_back(s.Paint);
    floors.push_back(BlitFloor(window, 1920, 1080));
  }
  SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
  const double step = Median(steps), floor = Median(floors);
  std::printf("live resize step at 1920 x 1080: median %.2f ms (region and size %.2f, frame paint %.2f), "
              "BitBlt floor %.2f ms, ratio %.1f (%d steps)\n",
              step, Median(regions), Median(paints), floor, floor > 0 ? step / floor : 0.0, runs);
  std::printf("goal: at most 8 ms per step\n");
  delete form;
  return 0;
}
