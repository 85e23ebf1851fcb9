#include "WinControl.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <unordered_map>

#include "Application.h"
#include "CodePage.h"
#include "GdiObject.h"
#include "Menus.h"
#include "Messages.h"
#include "Screen.h"
#include "ScopeGuard.h"

namespace {

// Our control of each of our windows (all of them belong to the main thread). Kept
// in the process: a window property costs a round trip to the window server, and
// this is asked for on every message.
std::unordered_map<HWND, TWinControl*>& ControlsByWindow() {
  static std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

// The control whose window CreateWindowEx is making: a platform class asks its
// parent for item sizes before we have subclassed it.
TWinControl* sCreating = nullptr;

bool IsMouseMessage(unsigned msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }
bool IsButtonDown(unsigned msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
         msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}
bool IsButtonUp(unsigned msg) {
  return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}
TPoint PointFromLParam(std::intptr_t l) {
  return {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
}

// Messages a parent gets about its child windows; they are handed back to the child.
HWND ReflectionTarget(const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM:
      return reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(m.LParam);
  }
  return nullptr;
}

bool IsBroadcastMessage(unsigned msg) {
  return msg == CM_DIALOGKEY || msg == CM_DIALOGCHAR || msg == CM_FOCUSCHANGED;
}

// The WM_GETDLGCODE bits a control answers when it takes `key` itself.
unsigned WantedDialogCode(unsigned key) {
  switch (key) {
    case VK_TAB: return DLGC_WANTTAB | DLGC_WANTALLKEYS;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    case VK_RETURN: case VK_ESCAPE: return DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
  }
  return 0;
}

}  // namespace

const wchar_t* OwnWindowClassName(unsigned extra) {
  static std::map<unsigned, std::wstring> names;
  auto found = names.find(extra);
  if (found != names.end()) return found->second.c_str();
  std::wstring name = L"TavoroWindow";
  if (extra) name += L"." + std::to_wstring(extra);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW | extra;
  wc.lpfnWndProc = reinterpret_cast<WNDPROC>(&TWinControl::WindowProc);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EOSError("Cannot register the window class");
  return names.emplace(extra, std::move(name)).first->second.c_str();
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  BeginDestroy();
  while (!FControls.empty()) delete FControls.back();
  DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  const auto& controls = ControlsByWindow();
  auto found = controls.find(wnd);
  return found == controls.end() ? nullptr : found->second;
}

std::intptr_t __stdcall TWinControl::WindowProc(HWND wnd, unsigned msg, std::uintptr_t wParam,
                                                std::intptr_t lParam) {
  TWinControl* self = FromHandle(wnd);
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (self) self->AttachHandle(wnd);
  }
  if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  // What a handler releases is freed once this, the outermost, has returned.
  THandlerScope handling;
  try {
    // A control being destroyed has lost its derived parts: the last messages of
    // its window (focus loss, destroy) get the platform's handling only.
    if (self->IsDestroying()) {
      self->DefaultHandler(m);
    } else {
      Application->HintMessage(self, msg, wParam, lParam);
      self->DispatchWindowMessage(m);
    }
  } catch (...) {
    HandleEventException();
  }
  if (msg == WM_NCDESTROY) self->DetachHandle();
  return m.Result;
}

std::intptr_t TWinControl::SendWindowMessage(unsigned msg, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
  if (FHandle) return SendMessageW(FHandle, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    DispatchWindowMessage(m);
  } catch (...) {
    HandleEventException();
  }
  return m.Result;
}

void TWinControl::AttachHandle(HWND wnd) {
  FHandle = wnd;
  ControlsByWindow()[wnd] = this;
  CountHandle(THandleKind::Window, 1);
}

void TWinControl::DetachHandle() {
  if (!FHandle) return;
  ControlsByWindow().erase(FHandle);
  if (FDefWndProc)
    SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
  FHandle = nullptr;
  FDefWndProc = nullptr;
  FTrackingLeave = false;
  FCaptureControl = nullptr;
  CountHandle(THandleKind::Window, -1);
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  if (FHandle) return;  // the parent made ours while making its own children
  CreateWnd();
  CreateHandleDone();
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  p.X = Left();
  p.Y = Top();
  p.Width = Width();
  p.Height = Height();
  p.Caption = AnsiToWide(Caption());
  if (Parent()) p.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (p.Style & WS_CHILD && !p.WndParent)
    throw EOSError(Format("Control '%s' has no parent window", Name().c_str()));
  bool platformClass = !p.WinClassName.empty();
  const wchar_t* cls = platformClass ? p.WinClassName.c_str() : OwnWindowClassName(p.ClassStyle);
  // Child windows get an identifier of their own, so that messages naming a child
  // by its identifier (WM_MEASUREITEM) find it.
  static unsigned nextId = 100;
  HMENU id = (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId++ & 0xFFFF)) : nullptr;
  TWinControl* outer = sCreating;
  sCreating = this;
  HWND wnd = CreateWindowExW(p.ExStyle, cls, p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, id, GetModuleHandleW(nullptr),
                             platformClass ? nullptr : this);
  sCreating = outer;
  if (!wnd) throw EOSError(Format("Error creating window for '%s'", Name().c_str()));
  if (platformClass) {
    AttachHandle(wnd);
    FDefWndProc = reinterpret_cast<void*>(SetWindowLongPtrW(
        wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProc)));
    ApplyWindowFont();
  }
}

TWinControl* TWinControl::MeasureItemTarget(const TMessage& m) const {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  if (!mis || mis->CtlType == ODT_MENU) return nullptr;
  TWinControl* target = FromHandle(GetDlgItem(FHandle, static_cast<int>(mis->CtlID)));
  if (!target && sCreating && sCreating->Parent() == this) target = sCreating;
  return target != this ? target : nullptr;
}

void TWinControl::CreateHandleDone() {
  for (TControl* c : FControls)
    if (c->IsWindowed() && static_cast<TWinControl*>(c)->WindowMadeWithParent())
      static_cast<TWinControl*>(c)->HandleNeeded();
  Realign();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  DestroyWindow(FHandle);
  if (FHandle) DetachHandle();  // a window of another thread or a refused destroy
}

void TWinControl::ApplyWindowFont() {
  if (!FHandle || OwnClass()) return;
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

bool TWinControl::HasNonClientArea() const {
  RECT window, client;
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &client);
  return client.right != window.right - window.left || client.bottom != window.bottom - window.top;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!FHandle) return;
  if (FDefWndProc)
    m.Result = CallWindowProcW(reinterpret_cast<WNDPROC>(FDefWndProc), FHandle, m.Msg, m.WParam,
                               m.LParam);
  else
    m.Result = DefWindowProcW(FHandle, m.Msg, m.WParam, m.LParam);
}

// ---- children ---------------------------------------------------------------

void TWinControl::InsertControl(TControl* c) {
  c->FParent = this;
  FControls.push_back(c);
  if (c->IsWindowed()) {
    auto* w = static_cast<TWinControl*>(c);
    FTabList.push_back(w);
    if (FHandle && w->WindowMadeWithParent()) w->HandleNeeded();
  }
  c->Perform(CM_PARENTFONTCHANGED);
  c->Perform(CM_PARENTCOLORCHANGED);
  c->UpdateAnchorRules();
  InvalidateChild(c);
  if (c->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* c) {
  auto it = std::find(FControls.begin(), FControls.end(), c);
  if (it == FControls.end()) return;
  if (FCaptureControl == c) FCaptureControl = nullptr;
  if (FPointerControl == c) FPointerControl = nullptr;
  InvalidateChild(c);
  FControls.erase(it);
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), c), FTabList.end());
  c->FParent = nullptr;
  RootParent()->ControlRemoved(c);
  if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyHandle();
  if (c->Align() != alNone && !IsDestroying()) Realign();
}

bool TWinControl::ContainsControl(const TControl* c) const {
  for (const TControl* p = c; p; p = p->Parent())
    if (p == this) return true;
  return false;
}

TControl* TWinControl::GraphicControlAt(TPoint p) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->IsWindowed() && c->Visible() && c->Enabled() && c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

// ---- bounds and alignment ------------------------------------------------------

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ConstrainSize(AWidth, AHeight);
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  bool resized = AWidth != Width() || AHeight != Height();
  bool moved = ALeft != Left() || ATop != Top();
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  UpdateAnchorRules();
  // A move alone says so: the platform then skips the size limits of a resize.
  if (FHandle)
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | (resized ? 0 : SWP_NOSIZE) | (moved ? 0 : SWP_NOMOVE));
  if (resized) Realign();
  RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(FHandle);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
  if (r.left == Left() && r.top == Top() && !resized) return;
  StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  UpdateAnchorRules();
  if (resized) Realign();
}

TRect TWinControl::ClientRect() const {
  if (FHandle) {
    RECT r;
    GetClientRect(FHandle, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  return {0, 0, Width(), Height()};
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::EnableAlign() {
  if (FAlignDisabled > 0 && --FAlignDisabled == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() {
  if (FAlignDisabled > 0 || IsLoading()) {
    FAlignPending = true;
    return;
  }
  if (FAligning || IsDestroying()) return;  // a child placed by us reports back
  TValueScope aligning(FAligning, true);
  FAlignPending = false;
  TRect r = ClientRect();
  AdjustClientRect(r);
  AlignControls(r);
}

void TWinControl::AlignControls(TRect& r) {
  // Anchored controls follow the client area as a whole; aligned ones share it out.
  TRect client = ClientRect();
  for (TControl* c : FControls)
    if (c->Align() == alNone && c->Visible() &&
        (c->Anchors().Contains(akRight) || c->Anchors().Contains(akBottom)))
      c->AnchorIn(client);
  // Each edge in turn; controls on the same edge stack outward from it in the
  // order of their current positions (stable for equal positions).
  static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign a : order) {
    std::vector<TControl*> list;
    for (TControl* c : FControls)
      if (c->Align() == a && c->Visible()) list.push_back(c);
    auto key = [a](const TControl* c) {
      switch (a) {
        case alTop: return c->Top();
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return 0;
      }
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](TControl* x, TControl* y) { return key(x) < key(y); });
    for (TControl* c : list) {
      int w = std::max(0, r.Width()), h = std::max(0, r.Height());
      switch (a) {
        case alTop:
          c->SetBounds(r.Left, r.Top, w, c->Height());
          r.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->Height(), w, c->Height());
          r.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), h);
          r.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), h);
          r.Right -= c->Width();
          break;
        default:
          c->SetBounds(r.Left, r.Top, w, h);
          break;
      }
    }
  }
}

// ---- focus -------------------------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) {
  std::vector<TWinControl*> list;
  auto collect = [&list](auto&& self, TWinControl* parent) -> void {
    for (TWinControl* c : parent->FTabList) {
      if (c->TabStop() && c->CanFocus()) list.push_back(c);
      self(self, c);
    }
  };
  collect(collect, this);
  if (list.empty()) return nullptr;
  auto it = std::find(list.begin(), list.end(), current);
  if (it == list.end()) return forward ? list.front() : list.back();
  size_t i = static_cast<size_t>(it - list.begin());
  size_t n = list.size();
  return list[forward ? (i + 1) % n : (i + n - 1) % n];
}

bool TWinControl::SelectNext(TWinControl* current, bool forward) {
  TWinControl* next = FindNextControl(current, forward);
  if (!next || next == current) return false;
  next->SetFocus();
  return true;
}

// ---- painting ----------------------------------------------------------------

// A window not on the screen (or under a hidden parent) is wholly invalidated when
// it is shown; marking parts of it before is a round trip to the window server for
// nothing, and a window being set up asks for it with every property.
void TWinControl::Invalidate() {
  if (FHandle && IsWindowVisible(FHandle)) InvalidateRect(FHandle, nullptr, FALSE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::InvalidateChild(const TControl* child) {
  if (!FHandle || child->IsWindowed() || !IsWindowVisible(FHandle)) return;
  TRect b = child->BoundsRect();
  RECT r{b.Left, b.Top, b.Right, b.Bottom};
  InvalidateRect(FHandle, &r, FALSE);
}

void TWinControl::PaintWindow(HDC dc) {
  TRect r = ClientRect();
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &rc, brush.Get());
}

void TWinControl::PaintCopy(HDC dc) {
  TValueScope painting(FPaintingCopy, true);
  if (!Parent() && !(HandleAllocated() && (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))) {
    // A form's copy is its background, as its erase would give it.
    TRect r = ClientRect();
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &rc, brush.Get());
  } else {
    PaintWindow(dc);
  }
}

void TWinControl::PaintControls(HDC dc, const TRect& area) {
  for (TControl* c : FControls) {
    if (c->IsWindowed() || !c->Visible()) continue;
    TRect b = c->BoundsRect();
    if (IntersectRect(b, area).IsEmpty()) continue;
    TSavedDC saved(dc);
    IntersectClipRect(dc, b.Left, b.Top, b.Right, b.Bottom);
    OffsetViewportOrgEx(dc, b.Left, b.Top, nullptr);
    c->PaintOn(dc);
  }
}

bool TWinControl::HandlePaint(TMessage& m) {
  if (!OwnClass()) return false;
  TPaintDC paint(FHandle);
  TRect area = paint.PaintRect();
  if (area.IsEmpty()) return true;
  TBufferedPaint buffer(paint.Get(), area);
  PaintWindow(buffer.DC());
  PaintControls(buffer.DC(), area);
  m.Result = 0;
  return true;
}

// ---- mouse ---------------------------------------------------------------------

TControl* TWinControl::MouseTarget(TPoint p) const {
  if (!ClientRect().Contains(p)) return nullptr;
  TControl* c = GraphicControlAt(p);
  return c ? c : const_cast<TWinControl*>(this);
}

void TWinControl::TrackPointer(TControl* target) {
  if (target && !FTrackingLeave && FHandle) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, FHandle, 0};
    FTrackingLeave = TrackMouseEvent(&t) != FALSE;
  }
  if (target == FPointerControl) return;
  TControl* old = FPointerControl;
  FPointerControl = target;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (target && target == FPointerControl) target->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouse(TMessage& m) {
  TPoint p = PointFromLParam(m.LParam);
  // A press can come without a move before it (a click at a spot the pointer
  // jumped to): it enters the control under it first.
  if (m.Msg == WM_MOUSEMOVE || (IsButtonDown(m.Msg) && !FCaptureControl))
    TrackPointer(MouseTarget(p));
  TControl* target = FCaptureControl ? FCaptureControl : GraphicControlAt(p);
  bool buttonsLeft = (m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
  if (!target) {
    if (OwnClass() && IsButtonDown(m.Msg) && FHandle) SetCapture(FHandle);
    if (OwnClass() && IsButtonUp(m.Msg) && !buttonsLeft && GetCapture() == FHandle)
      ReleaseCapture();
    return false;
  }
  if (IsButtonDown(m.Msg)) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  TPoint local{p.x - target->Left(), p.y - target->Top()};
  std::intptr_t l = MAKELPARAM(static_cast<WORD>(local.x), static_cast<WORD>(local.y));
  if (IsButtonUp(m.Msg) && !buttonsLeft) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  target->Perform(m.Msg, m.WParam, l);
  return true;
}

bool TWinControl::HandleSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) != FHandle || LOWORD(m.LParam) != HTCLIENT) return false;
  POINT pt;
  GetCursorPos(&pt);
  ::ScreenToClient(FHandle, &pt);
  TControl* c = GraphicControlAt({pt.x, pt.y});
  TCursor cursor = c && c->Cursor() != crDefault ? c->Cursor() : Cursor();
  if (cursor == crDefault) return false;
  ::SetCursor(Screen->Cursors(cursor));
  m.Result = TRUE;
  return true;
}

// ---- keyboard --------------------------------------------------------------------

TWinControl* TWinControl::RootParent() {
  TWinControl* root = this;
  while (root->Parent()) root = root->Parent();
  return root;
}

void TWinControl::Broadcast(TMessage& m) {
  // A copy: a control may change the list while it handles the message.
  std::vector<TControl*> children = FControls;
  for (TControl* c : children) {
    if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
    c->WndProc(m);
    if (m.Result != 0) return;
  }
}

unsigned TWinControl::DialogCode(const TMessage& m) {
  // No message in lParam: a platform edit given one switches to its dialog mode, in
  // which a multi-line edit posts WM_CLOSE to its parent on Escape.
  return static_cast<unsigned>(Perform(WM_GETDLGCODE, m.WParam, 0));
}

bool TWinControl::OfferDialogKey(const TMessage& m) {
  unsigned wanted = WantedDialogCode(static_cast<unsigned>(m.WParam));
  if (wanted == 0 || (DialogCode(m) & wanted) != 0) return false;
  return RootParent()->Perform(CM_DIALOGKEY, m.WParam, CurrentKeyShiftState().Bits()) != 0;
}

bool TWinControl::OfferDialogChar(const TMessage& m) {
  if (m.WParam < 0x20 || m.WParam >= 0x7F) return false;  // accelerators are Latin
  if (m.Msg == WM_CHAR && (DialogCode(m) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) != 0) return false;
  return RootParent()->Perform(CM_DIALOGCHAR, m.WParam, CurrentKeyShiftState().Bits()) != 0;
}

void TWinControl::HandleKey(TMessage& m) {
  if ((m.Msg == WM_CHAR || m.Msg == WM_SYSCHAR) && OfferDialogChar(m)) return;
  if (m.Msg == WM_SYSCHAR) {
    DefaultHandler(m);
    return;
  }
  if (m.Msg == WM_KEYDOWN && OfferDialogKey(m)) return;
  if (m.Msg == WM_CHAR) {
    if (m.WParam < 0x80) {
      char ch = static_cast<char>(m.WParam);
      KeyPress(ch);
      if (ch == 0) return;
      m.WParam = static_cast<unsigned char>(ch);
    }
    DefaultHandler(m);
    return;
  }
  auto key = static_cast<std::uint16_t>(m.WParam);
  TShiftState shift = CurrentKeyShiftState();
  if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN)
    KeyDown(key, shift);
  else
    KeyUp(key, shift);
  if (key == 0) return;
  m.WParam = key;
  DefaultHandler(m);
}

void TWinControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- state changes -----------------------------------------------------------------

void TWinControl::VisibleChanged() {
  if (FHandle)
    ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
  else if (Visible() && Parent() && Parent()->HandleAllocated() && WindowMadeWithParent())
    HandleNeeded();  // shown for the first time: its window is made now
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, Enabled());
  Invalidate();
}

void TWinControl::FontChanged() {
  ApplyWindowFont();
  Invalidate();
  for (TControl* c : FControls) c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged() {
  Invalidate();
  for (TControl* c : FControls) c->Perform(CM_PARENTCOLORCHANGED);
}

std::string TWinControl::Text() const {
  if (!FHandle || OwnClass()) return Caption();
  int n = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(FHandle, text.data(), n + 1);
  text.resize(static_cast<size_t>(std::max(n, 0)));
  return WideToAnsi(text);
}

void TWinControl::TextChanged() {
  if (FHandle) SetWindowTextW(FHandle, AnsiToWide(Caption()).c_str());
  Invalidate();
}

// ---- dispatch ----------------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
  if (IsMouseMessage(m.Msg)) {
    if (RouteMouse(m)) return;
    TControl::WndProc(m);
    DefaultHandler(m);
    return;
  }
  if (IsFrameworkMessage(m.Msg)) {
    TControl::WndProc(m);
    if (m.Result == 0 && IsBroadcastMessage(m.Msg)) Broadcast(m);
    return;
  }
  if (IsReflectionRange(m.Msg) && IsReflectedMessage(m.Msg - CN_BASE)) {
    // Not handled by the child: what the parent's platform procedure would answer.
    if (FHandle) m.Result = DefWindowProcW(GetParent(FHandle), m.Msg - CN_BASE, m.WParam, m.LParam);
    return;
  }
  if (m.Msg == WM_MEASUREITEM && FHandle) {
    if (TWinControl* target = MeasureItemTarget(m)) {
      m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  if (HWND child = ReflectionTarget(m)) {
    TWinControl* target = FromHandle(child);
    if (target && target != this && IsReflectedMessage(m.Msg)) {
      m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
      return;
    }
  }
  switch (m.Msg) {
    case WM_PAINT:
      if (HandlePaint(m)) return;
      break;
    case WM_ERASEBKGND:
      if (OwnClass()) {
        m.Result = 1;
        return;
      }
      break;
    case WM_NCPAINT:
      // Nothing to paint: the platform would still take a window DC for it, which
      // for a window of many child windows makes showing it noticeably slower.
      if (OwnClass() && !HasNonClientArea()) return;
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBoundsFromWindow();
      return;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      TrackPointer(nullptr);
      break;
    case WM_CONTEXTMENU:
      if (PopupMenu()) {
        // From the keyboard the point is -1, -1: the menu opens at the control.
        TPoint at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
        if (at.x == -1 && at.y == -1) at = ClientToScreen({0, 0});
        PopupMenu()->Popup(at.x, at.y);
        m.Result = 0;
        return;
      }
      break;
    case WM_SETCURSOR:
      if (HandleSetCursor(m)) return;
      break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      FCaptureControl = nullptr;
      break;
    case WM_SETFOCUS:
      DefaultHandler(m);
      DoEnter();
      // Buttons follow the focus (which one answers Enter, which is highlighted).
      if (FHandle && GetFocus() == FHandle)
        RootParent()->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(this));
      return;
    case WM_KILLFOCUS:
      DefaultHandler(m);
      DoExit();
      return;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR:
    case WM_SYSCHAR:
      HandleKey(m);
      return;
  }
  DefaultHandler(m);
}
