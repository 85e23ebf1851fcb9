#pragma once
// The framework's own notifications between controls. Most never reach the
// platform: Perform delivers them straight to WndProc.
//
// They live in one block, CM_BASE .. CM_LAST. CM_DIALOGKEY and CM_DIALOGCHAR keep the
// numbers other code knows them by (45061 and 45062); nothing else of ours may take a
// number that a window outside the framework gives a meaning: the skin messages
// (1225-1229, 1274, 1284, 1294) and the frame's and list view's private queries
// (45490, 45512, 45513, 48203).
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 1;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 2;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 4;
// A key the focused control does not take (Enter, Escape, Tab, an arrow), offered by
// the form to its controls until one handles it (Result 1). WParam: the virtual key;
// LParam: the shift state's bits.
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;  // 45061
// A character that may be an accelerator (Alt+letter, or a plain letter the focused
// control does not take), offered like CM_DIALOGKEY. WParam: the character.
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;  // 45062
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 10;
// Posted by TApplication to release a form after its OnClose asked for caFree.
constexpr unsigned CM_RELEASE = CM_BASE + 11;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
// Sent by a form to every control on it when the focus moved; LParam: the newly
// focused TWinControl (nullptr when none of ours has it).
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 14;
// Sent by the application to a form's focused control when a mouse button goes down
// on another control of that form; LParam: the control pressed (a TWinControl).
constexpr unsigned CM_CANCELMODE = CM_BASE + 15;
constexpr unsigned CM_LAST = CM_BASE + 0x100;  // end of the block, exclusive

// Notifications the platform sends to a parent about a child window come back to
// the child as CN_BASE + the message, so a control handles its own. Only the
// messages IsReflectedMessage names are reflected.
constexpr unsigned CN_BASE = 0xB800;
constexpr unsigned CN_LAST = CN_BASE + 0x400;  // exclusive

constexpr bool IsFrameworkMessage(unsigned msg) { return msg >= CM_BASE && msg < CM_LAST; }
constexpr bool IsReflectionRange(unsigned msg) { return msg >= CN_BASE && msg < CN_LAST; }
// The parent's messages about a child that are handed back to that child.
constexpr bool IsReflectedMessage(unsigned msg) {
  switch (msg) {
    case 0x0111:  // WM_COMMAND
    case 0x004E:  // WM_NOTIFY
    case 0x002B:  // WM_DRAWITEM
    case 0x002C:  // WM_MEASUREITEM
    case 0x0133: case 0x0134: case 0x0135: case 0x0137: case 0x0138:  // WM_CTLCOLOR*
      return true;
  }
  return false;
}
