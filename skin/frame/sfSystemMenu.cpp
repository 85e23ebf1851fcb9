#include "sfSystemMenu.h"

#include <windows.h>

#include <vector>

#include "skin/data/sfResourceStrData.h"
#include "ui/Menus.h"

namespace {

struct TEntry {
  const char* Name;
  const char* Key;
  const char* Text;
  std::function<void()> Click;
};

std::string EntryCaption(const TEntry& e, const TsfResourceStrData* strings) {
  if (strings) {
    std::string s = strings->FindResString(e.Key);
    if (!s.empty()) return s;
  }
  return e.Text;
}

TMenuItem* MakeItem(TMenuItem& root, const TEntry& e, const TsfResourceStrData* strings) {
  auto* item = new TMenuItem(&root);
  item->SetName(e.Name);
  item->SetCaption(EntryCaption(e, strings));
  std::function<void()> click = e.Click;
  item->OnClick = [click](TObject*) {
    if (click) click();
  };
  return item;
}

// The entries above the divider that the state allows, in the menu's order.
std::vector<TEntry> UpperEntries(const TsfSystemMenuState& s, const TsfSystemMenuActions& a) {
  std::vector<TEntry> entries;
  if (s.WindowState != sfwsMinimized && s.Minimize)
    entries.push_back({kSysMenuMinimize, "MI_MINCAPTION", "Mi&nimize",
                       s.AlwaysMinimizeToTray ? a.TrayMinimize : a.Minimize});
  if (s.WindowState != sfwsMaximized && s.Maximize)
    entries.push_back({kSysMenuMaximize, "MI_MAXCAPTION", "Ma&ximize", a.Maximize});
  if (s.WindowState != sfwsNormal || s.RollUpState) {
    bool rollDown = s.RollUpState && s.WindowState != sfwsMinimized;
    entries.push_back({kSysMenuRestore, "MI_RESTORECAPTION", "&Restore", rollDown ? a.RollDown : a.Restore});
  }
  bool maximizedChild = s.MDIChild && s.WindowState == sfwsMaximized;
  if (!maximizedChild && !s.RollUpState && s.WindowState != sfwsMinimized && s.RollUp)
    entries.push_back({kSysMenuRollUp, "MI_ROLLUPCAPTION", "Ro&llUp", a.RollUp});
  if (s.MinimizeToTray)
    entries.push_back({kSysMenuMinToTray, "MI_MINTOTRAYCAPTION", "Minimize to &Tray", a.TrayMinimize});
  return entries;
}

TMenuItem* MakeCloseItem(TMenuItem& root, const TsfSystemMenuState& s, const TsfSystemMenuActions& a,
                         const TsfResourceStrData* strings) {
  TMenuItem* close = MakeItem(root, {kSysMenuClose, "MI_CLOSECAPTION", "&Close", a.Close}, strings);
  close->SetShortCut(s.MDIChild ? ShortCut(VK_F4, scCtrl) : ShortCut(VK_F4, scAlt));
  return close;
}

}  // namespace

void BuildSystemMenu(TMenuItem& root, const TsfSystemMenuState& state,
                     const TsfSystemMenuActions& actions, const TsfResourceStrData* strings) {
  root.Clear();
  std::vector<TEntry> entries = UpperEntries(state, actions);
  for (const TEntry& e : entries) root.Add(MakeItem(root, e, strings));
  if (!entries.empty()) {
    auto* line = new TMenuItem(&root);
    line->SetCaption("-");
    root.Add(line);
  }
  root.Add(MakeCloseItem(root, state, actions, strings));
}

void MergeSystemMenu(TMenuItem& root, const TsfSystemMenuState& state,
                     const TsfSystemMenuActions& actions, const TsfResourceStrData* strings) {
  for (const char* name : {kSysMenuMinimize, kSysMenuMaximize, kSysMenuRestore, kSysMenuRollUp,
                           kSysMenuMinToTray, kSysMenuClose})
    while (TMenuItem* old = root.Find(name)) delete old;
  std::vector<TEntry> entries = UpperEntries(state, actions);
  // Each inserted at the top, in the reverse of the order they end up in.
  static const char* const kOrder[] = {kSysMenuMinToTray, kSysMenuRollUp, kSysMenuMaximize,
                                       kSysMenuRestore, kSysMenuMinimize};
  for (const char* name : kOrder)
    for (const TEntry& e : entries)
      if (std::string(e.Name) == name) root.Insert(0, MakeItem(root, e, strings));
  root.Add(MakeCloseItem(root, state, actions, strings));
}

void BuildTrayMenu(TMenuItem& root, std::function<void()> restore, std::function<void()> close,
                   const TsfResourceStrData* strings) {
  root.Clear();
  root.Add(MakeItem(root, {"TRAY_SKF_RESTORE", "TRAY_SKF_RESTORE", "&Restore", std::move(restore)}, strings));
  auto* line = new TMenuItem(&root);
  line->SetCaption("-");
  root.Add(line);
  TMenuItem* item = MakeItem(root, {"TRAY_SKF_CLOSE", "TRAY_SKF_CLOSE", "&Close", std::move(close)}, strings);
  item->SetShortCut(ShortCut(VK_F4, scAlt));
  root.Add(item);
}
