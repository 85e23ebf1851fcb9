// Shows hinted buttons on a skinned form, for looking at the hints by hand:
//   HintLook.exe        skinned hints (TsfSkinHint) and caption-button hints
//   HintLook.exe plain  the framework's own hint window
#include <windows.h>

#include <string>

#include "skin/controls/sfSkinButton.h"
#include "skin/data/sfCompressedStoredSkin.h"
#include "skin/data/sfEmbeddedSkin.h"
#include "skin/data/sfSkinData.h"
#include "skin/frame/sfSkinForm.h"
#include "skin/frame/sfSkinHint.h"
#include "ui/Application.h"
#include "ui/Form.h"

int wmain(int argc, wchar_t** argv) {
  const bool plain = argc > 1 && std::wstring(argv[1]) == L"plain";
  Application->Initialize();
  auto* form = Application->CreateForm<TForm>();
  auto* frame = new TsfSkinForm(form);
  auto* skin = new TsfSkinData(form);
  auto* stored = new TsfCompressedStoredSkin(form);
  frame->SetSkinData(skin);
  if (!plain) {
    auto* hint = new TsfSkinHint(form);
    hint->SetSkinData(skin);
    frame->SetSkinHint(hint);
    frame->SetShowObjectHint(true);
  }
  form->SetCaption("Hints");
  form->SetBounds(100, 100, 500, 300);
  auto* open = new TsfSkinButton(form);
  open->SetParent(form);
  open->SetSkinData(skin);
  open->SetBounds(40, 60, 100, 28);
  open->SetCaption("打开");
  open->SetHint("打开一个特效文件|long");
  open->SetShowHint(true);
  auto* save = new TsfSkinButton(form);
  save->SetParent(form);
  save->SetSkinData(skin);
  save->SetBounds(200, 60, 100, 28);
  save->SetCaption("保存");
  save->SetHint("保存为 HTML 文件@Ctrl+S");
  save->SetShowHint(true);
  stored->SetCompressedData(LoadEmbeddedSkinResource(kStoredSkinResource));
  skin->SetCompressedStoredSkin(stored);
  Application->Run();
  return 0;
}
