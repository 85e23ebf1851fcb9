// DialogBench: opening the skinned save dialog on a folder of 2,000 files, from
// Execute to the dialog standing painted and idle, as the median of repeated runs;
// once with the program's filter (the files are read and all left out) and once
// with "*.*" (every file is listed).
//   DialogBench [runs]   (7 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/dialogs/sfOpenDlgForm.h"
#include "skin/dialogs/sfSkinFileListView.h"
#include "skin/dialogs/sfSkinSaveDialog.h"
#include "ui/Application.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/Form.h"

namespace fs = std::filesystem;

namespace {

double gOpened = 0;
int gListed = 0;

void CALLBACK Opened(HWND, UINT, UINT_PTR id, DWORD) {
  TsfSkinSaveDialog* dialog = nullptr;
  for (int i = 0; i < Application->ComponentCount() && !dialog; ++i)
    if (auto* form = dynamic_cast<TsfOpenDlgForm*>(Application->Components(i))) {
      if (!form->Visible()) return;
      gOpened = Now();
      gListed = form->FileList->Count();
      KillTimer(nullptr, id);
      form->SetModalResult(mrCancel);
      return;
    }
}

double OpenOnce(TsfSkinSaveDialog& dialog) {
  SetTimer(nullptr, 0, 1, Opened);
  double start = Now();
  dialog.Execute();
  return gOpened - start;
}

fs::path MakeFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  fs::path dir = fs::path(temp) / "sfdialogbench";
  fs::create_directories(dir);
  for (int i = 0; i < 2000; ++i) {
    fs::path file = dir / ("page" + std::to_string(i) + ".txt");
    if (!fs::exists(file)) std::ofstream(file) << "x";
  }
  return dir;
}

void Measure(TsfSkinSaveDialog& dialog, const char* filter, int runs) {
  dialog.SetFilter(filter);
  std::vector<double> times;
  for (int i = 0; i < runs + 1; ++i) {
    double ms = OpenOnce(dialog);
    if (i > 0) times.push_back(ms);  // the first run loads code, fonts and icons
  }
  std::printf("open dialog, filter %-28s %4d items: median %.1f ms over %d runs (min %.1f, max %.1f)\n",
              filter, gListed, Median(times), runs, *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
  try {
    Application->Initialize();
    fs::path dir = MakeFolder();
    // The dialog opens over a window of the program, as Save does.
    TForm owner(nullptr);
    owner.AfterConstruction();
    owner.SetBounds(0, 0, 300, 200);
    owner.Show();
    TsfSkinData skin(nullptr);
    TsfCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(LoadEmbeddedSkinResource(kStoredSkinResource));
    skin.LoadStoredSkin(stored);
    TsfSkinSaveDialog dialog(nullptr);
    dialog.SetSkinData(&skin);
    dialog.SetCtrlSkinData(&skin);
    dialog.SetDefaultExt("HTML");
    dialog.SetInitialDir(PathToAnsi(dir.wstring()));
    Measure(dialog, "HTML files|*.htm,*.html", runs);
    Measure(dialog, "All files|*.*", runs);
  } catch (const Exception& e) {
    std::fprintf(stderr, "DialogBench: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
