// MenuBench: opening the skinned system menu to its first paint (filling the window,
// placing it, showing it and painting it), as the median of repeated openings.
//   MenuBench [openings]   (100 by default)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchTiming.h"

#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinMenu.h"
#include "skin/frame/sfSkinPopupMenu.h"
#include "skin/frame/sfSystemMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"

int wmain(int argc, wchar_t** argv) {
  int openings = argc > 1 ? std::max(1, _wtoi(argv[1])) : 100;
  try {
    Application->Initialize();
    TForm form(nullptr);
    form.AfterConstruction();
    form.SetBounds(100, 100, 500, 400);
    form.Show();
    auto* skin = new TsfSkinData(&form);
    TsfCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(LoadEmbeddedSkinResource(kStoredSkinResource));
    skin->LoadStoredSkin(stored);
    auto* menu = new TsfSkinPopupMenu(&form);
    menu->SetSkinData(skin);
    menu->SetForm(&form);
    TsfSystemMenuState state;
    state.RollUp = true;
    std::vector<double> times;
    for (int i = 0; i < openings + 2; ++i) {
      // The entries are rebuilt for every opening, as the frame does.
      double start = Now();
      BuildSystemMenu(menu->Items(), state, {}, nullptr);
      menu->Popup(200, 150);  // returns after the window's first paint
      double ms = Now() - start;
      if (i >= 2) times.push_back(ms);  // the first openings load code and fonts
      menu->Close();
      Application->ProcessMessages();
    }
    std::printf("system menu, open to first paint: median %.3f ms over %d openings (min %.3f, max %.3f)\n",
                Median(times), openings, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
  } catch (const Exception& e) {
    std::fprintf(stderr, "MenuBench: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
