#include <windows.h>

#include "sfSkinQuestion.h"

#include <algorithm>

#include "skin/controls/sfSkinButton.h"
#include "skin/controls/sfSkinStdLabel.h"
#include "skin/frame/sfSkinForm.h"
#include "ui/Dialogs.h"
#include "ui/MessageDialog.h"

namespace {

constexpr int kMargin = 12, kButtonWidth = 75, kButtonHeight = 25;

TsfSkinButton* AddButton(TForm& form, TsfSkinData* skin, const std::string& caption,
                         TModalResult result, int left, int top) {
  auto* button = new TsfSkinButton(&form);
  button->SetBounds(left, top, kButtonWidth, kButtonHeight);
  button->SetParent(&form);
  button->SetCaption(caption);
  button->SetModalResult(result);
  button->SetCanFocused(true);
  button->SetSkinData(skin);
  return button;
}

}  // namespace

bool SkinQuestion(HWND owner, const std::string& text, const std::string& caption,
                  TsfSkinData* frameSkin, TsfSkinData* ctrlSkin) {
  if (TMessageBoxHandler handler = MessageBoxHandler())
    return handler(owner, text, caption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
  TOwnedDialogForm form(owner);
  form.SetCaption(caption);
  form.SetBorderStyle(bsDialog);
  form.SetBorderIcons({});
  auto* frame = new TsfSkinForm(&form);
  frame->SetBorderIcons({});
  frame->SetSkinData(frameSkin);
  auto* label = new TsfSkinStdLabel(&form);
  label->SetCaption(text);
  label->SetAutoSize(true);
  label->SetBounds(kMargin, kMargin, 10, 13);
  label->SetParent(&form);
  label->SetSkinData(ctrlSkin);
  int width = std::max(label->Width() + 2 * kMargin, 2 * kButtonWidth + 3 * kMargin);
  int top = label->Top() + label->Height() + kMargin;
  form.SetClientWidth(width);
  form.SetClientHeight(top + kButtonHeight + kMargin);
  int left = (width - 2 * kButtonWidth - kMargin) / 2;
  auto* ok = AddButton(form, ctrlSkin, "OK", mrOk, left, top);
  ok->SetDefault(true);
  AddButton(form, ctrlSkin, "Cancel", mrCancel, left + kButtonWidth + kMargin, top)->SetCancel(true);
  form.OnShow = [ok](TObject*) { ok->SetFocus(); };
  form.AfterConstruction();
  return form.ShowModal() == mrOk;
}
