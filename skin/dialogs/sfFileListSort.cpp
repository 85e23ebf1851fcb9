// The file list's order by a details column.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "sfSkinFileListView.h"
#include "skin/data/sfText.h"

namespace {

struct TEntryFacts {
  std::optional<std::uint64_t> Size;
  std::optional<std::uint64_t> Modified;
  std::string Type;
};

// The item's details are loaded: its type is column 2.
TEntryFacts FactsOf(TsfShellFolder& item) {
  TEntryFacts facts;
  std::wstring path = item.PathW();
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!path.empty() && GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
    facts.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    facts.Modified = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                     data.ftLastWriteTime.dwLowDateTime;
  }
  facts.Type = sf::FoldCase(item.Details(2));
  return facts;
}

template <class T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

void TsfSkinFileListView::ColumnClick(int column) {
  int columns = ColumnCount();
  if (column < 0 || (column > 0 && columns < 4)) return;
  FDescending = column == FSortColumn ? !FDescending : false;
  FSortColumn = column;
  SortByColumn();
  if (HandleAllocated()) InvalidateRect(HandleValue(), nullptr, TRUE);
}

void TsfSkinFileListView::SortByColumn() {
  for (size_t i = 0; i < FItems.size(); ++i) FItems[i].Order = static_cast<int>(i);
  std::vector<TEntryFacts> facts;
  facts.reserve(FItems.size());
  for (TItem& item : FItems) {
    LoadDetails(*item.Object, 3);
    facts.push_back(FactsOf(*item.Object));
  }
  int column = FSortColumn;
  bool descending = FDescending;
  std::vector<size_t> order(FItems.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
    const TItem &a = FItems[x], &b = FItems[y];
    if (a.Folder != b.Folder) return a.Folder;
    int c = 0;
    if (column == 0) {
      c = Compare(sf::FoldCase(a.Object->DisplayName()), sf::FoldCase(b.Object->DisplayName()));
    } else if (column == 1 && !(a.Folder && b.Folder) && facts[x].Size && facts[y].Size) {
      c = Compare(*facts[x].Size, *facts[y].Size);
    } else if (column == 2) {
      c = Compare(facts[x].Type, facts[y].Type);
    } else if (column == 3 && facts[x].Modified && facts[y].Modified) {
      c = Compare(*facts[x].Modified, *facts[y].Modified);
    }
    if (c == 0) return a.Order < b.Order;  // the default order decides
    return descending ? c > 0 : c < 0;
  });
  std::vector<TItem> sorted;
  sorted.reserve(FItems.size());
  for (size_t i : order) sorted.push_back(std::move(FItems[i]));
  FItems = std::move(sorted);
}
