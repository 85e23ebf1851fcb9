#pragma once
// The entries of a skinned frame's system menu, built for the window's state and its
// border icons each time the menu is shown.
#include <functional>
#include <string>

class TMenuItem;
class TsfResourceStrData;

enum TsfSysMenuWindowState { sfwsNormal, sfwsMinimized, sfwsMaximized };

struct TsfSystemMenuState {
  TsfSysMenuWindowState WindowState = sfwsNormal;
  bool RollUpState = false;
  bool MDIChild = false;
  bool AlwaysMinimizeToTray = false;
  // The frame's border icons.
  bool Minimize = true, Maximize = true, RollUp = false, MinimizeToTray = false;
};

// What the entries do; each is called when set.
struct TsfSystemMenuActions {
  std::function<void()> Minimize;      // SetWindowState(minimized)
  std::function<void()> Maximize;      // SetWindowState(maximized)
  std::function<void()> Restore;       // SetWindowState(normal)
  std::function<void()> RollUp;        // SetRollUpState(true)
  std::function<void()> RollDown;      // SetRollUpState(false)
  std::function<void()> TrayMinimize;
  std::function<void()> Close;         // the form's Close
};

// The names the entries carry, by which a later build finds and replaces them.
inline constexpr const char* kSysMenuMinimize = "SKF_MINITEM";
inline constexpr const char* kSysMenuMaximize = "SKF_MAXITEM";
inline constexpr const char* kSysMenuRestore = "SKF_RESTORE";
inline constexpr const char* kSysMenuRollUp = "SKF_ROLLUP";
inline constexpr const char* kSysMenuMinToTray = "SKF_MINTOTRAY";
inline constexpr const char* kSysMenuClose = "SKF_CLOSE";

// Empties `root` and fills it: minimize, maximize, restore, roll-up and
// minimize-to-tray as the state allows, a divider when any of them is there, and
// close. Captions come from `strings` when given, else the built-in texts.
void BuildSystemMenu(TMenuItem& root, const TsfSystemMenuState& state,
                     const TsfSystemMenuActions& actions, const TsfResourceStrData* strings);
// A menu of the user's: the entries added before are removed (found by name), the
// allowed ones among minimize, restore, maximize, roll-up and minimize-to-tray are
// put at the top in that order and close is appended at the end.
void MergeSystemMenu(TMenuItem& root, const TsfSystemMenuState& state,
                     const TsfSystemMenuActions& actions, const TsfResourceStrData* strings);

// The tray menu: "&Restore", a divider and "&Close" (Alt+F4), named TRAY_SKF_RESTORE
// and TRAY_SKF_CLOSE; the names are also the keys of their captions in `strings`.
void BuildTrayMenu(TMenuItem& root, std::function<void()> restore, std::function<void()> close,
                   const TsfResourceStrData* strings);
