#pragma once
// The floors the browsing figures are measured against: the least work that gives
// the user the same thing on the screen, done with the engine and the platform's
// own controls and nothing of ours in between.
//
// A switch: the engine steps the category's names the way the store indexes them
// (the covering index on ParentID, in the order the rows were added), and a
// data-less owner-drawn LISTBOX is given their count and paints the rows it shows.
// That list is what the program's list sits on; a plain LISTBOX holding strings
// would do more work (a copy of every name inside the platform), so it would be a
// lower bar, not the floor.
//
// Showing an effect: a plain multi-line EDIT of the code view's size, style and font
// takes the same text and paints it.
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TDatabase;
struct sqlite3_stmt;

// The engine alone on a connection kept open, with one prepared statement.
class TNameFloor {
 public:
  TNameFloor(const std::filesystem::path& file, const std::string& password);
  ~TNameFloor();
  // Steps the names of the category, keeping them (UTF-8) for the list to draw.
  void Step(int category);
  const std::vector<std::string>& Names() const { return FNames; }
  // How the engine runs the statement, for the record.
  std::string Plan();

 private:
  std::unique_ptr<TDatabase> FDatabase;
  sqlite3_stmt* FStatement = nullptr;
  std::vector<std::string> FNames;
};

// A top-level window of no frame holding one platform control of the given size.
class TFloorHost {
 public:
  // `style` is the child's; `font` is the font it shows text in (not owned).
  TFloorHost(const wchar_t* className, DWORD style, RECT place, HFONT font);
  ~TFloorHost();
  HWND Host() const { return FHost; }
  HWND Child() const { return FChild; }
  // Names drawn by the list host (owner draw), UTF-8.
  const std::vector<std::string>* Names = nullptr;
  int ItemHeight = 20;

 private:
  static LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void DrawItem(const DRAWITEMSTRUCT& item) const;
  HWND FHost = nullptr;
  HWND FChild = nullptr;
  HFONT FFont;
};

// The list given the count of the names, painted.
double ListFloor(TFloorHost& list, int count);
// The edit taking the text, painted.
double EditFloor(TFloorHost& edit, const std::wstring& text);
