#include <windows.h>

#include "MessageDialog.h"

#include <algorithm>

#include "CodePage.h"
#include "Form.h"
#include "Messages.h"

namespace {

constexpr int kMargin = 12, kIconSize = 32, kButtonWidth = 75, kButtonHeight = 25;

// The platform push button, clicked by the mouse, Enter, Space or Escape.
class TDialogButton : public TWinControl {
 public:
  explicit TDialogButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

 protected:
  void CreateParams(TCreateParams& p) override {
    TWinControl::CreateParams(p);
    p.WinClassName = L"BUTTON";
    p.Style |= BS_DEFPUSHBUTTON | WS_TABSTOP;
  }
  void WndProc(TMessage& m) override {
    bool clicked = (m.Msg == CN_BASE + WM_COMMAND && HIWORD(m.WParam) == BN_CLICKED) ||
                   (m.Msg == WM_KEYDOWN && (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE));
    if (clicked) {
      if (auto* form = dynamic_cast<TForm*>(Parent())) form->SetModalResult(mrOk);
      return;
    }
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = DLGC_WANTALLKEYS | DLGC_DEFPUSHBUTTON;
      return;
    }
    TWinControl::WndProc(m);
  }
};

class TMessageDialogForm : public TForm {
 public:
  TMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon)
      : TForm(nullptr), FText(AnsiToWide(text)) {
    SetCaption(caption);
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    FIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(icon == MB_ICONWARNING ? 32515 : 32516));
    TRect textRect = MeasureText();
    int contentHeight = std::max(kIconSize, textRect.Height());
    int width = std::max(kMargin * 3 + kIconSize + textRect.Width(), kButtonWidth + 2 * kMargin);
    SetClientWidth(width);
    SetClientHeight(kMargin + contentHeight + kMargin + kButtonHeight + kMargin);
    FTextRect = textRect.Offset(2 * kMargin + kIconSize, kMargin);
    FButton = new TDialogButton(this);
    FButton->SetCaption("OK");
    FButton->SetBounds((width - kButtonWidth) / 2, kMargin * 2 + contentHeight, kButtonWidth,
                       kButtonHeight);
    FButton->SetParent(this);
    SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
    SetTop((GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
    OnShow = [this](TObject*) { FButton->SetFocus(); };
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(ClientRect());
    HDC dc = Canvas().Handle();
    DrawIconEx(dc, kMargin, kMargin, FIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    RECT r{FTextRect.Left, FTextRect.Top, FTextRect.Right, FTextRect.Bottom};
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(clBtnText));
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
  }

 private:
  // The text's extent, wrapped to at most half the screen's width.
  TRect MeasureText() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, FText.c_str(), static_cast<int>(FText.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {0, 0, r.right, r.bottom};
  }

  std::wstring FText;
  HICON FIcon = nullptr;
  TRect FTextRect;
  TDialogButton* FButton = nullptr;
};

}  // namespace

void ShowMessageDialogForm(const std::string& text, const std::string& caption, unsigned icon) {
  TMessageDialogForm form(text, caption, icon);
  form.AfterConstruction();
  form.ShowModal();
}
