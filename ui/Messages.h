#pragma once
// The framework's own notifications between controls. They never reach the
// platform: Perform delivers them straight to WndProc.
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 1;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 2;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 4;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 5;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 6;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 10;
// Posted by TApplication to release a form after its OnClose asked for caFree.
constexpr unsigned CM_RELEASE = CM_BASE + 11;
// Notifications the platform sends to a parent about a child window come back to
// the child as CN_BASE + the message, so a control handles its own.
constexpr unsigned CN_BASE = 0xBC00;
