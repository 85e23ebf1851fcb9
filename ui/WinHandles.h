#pragma once
// Forward declarations of the Win32 handle types, so headers can name handles
// without including <windows.h> (whose macros would collide with our method names).
// They match the STRICT declarations of the platform headers exactly.
#include <cstdint>

struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HFONT__;
struct HBRUSH__;
struct HPEN__;
struct HRGN__;
struct HICON__;
struct HINSTANCE__;
struct HMENU__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HBITMAP__* HBITMAP;
typedef HFONT__* HFONT;
typedef HBRUSH__* HBRUSH;
typedef HPEN__* HPEN;
typedef HRGN__* HRGN;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HINSTANCE__* HINSTANCE;
typedef HMENU__* HMENU;
