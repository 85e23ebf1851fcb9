#include "Strings.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Exception.h"
#include "SysUtils.h"

#ifdef _WIN32
#include "CodePage.h"
#include "ScopeGuard.h"
#endif

namespace {

std::string FileNameText(const std::wstring& fileName) {
#ifdef _WIN32
  return PathToAnsi(fileName);
#else
  return std::filesystem::path(fileName).string();
#endif
}

bool NeedsQuotes(const std::string& line) {
  if (line.empty()) return true;
  return std::any_of(line.begin(), line.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',';
  });
}

std::string Quoted(const std::string& line) {
  std::string out = "\"";
  for (char c : line) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// One item of comma text starting at `pos` (blanks before it already skipped);
// `pos` ends on the character after the item.
std::string CommaItem(const std::string& text, size_t& pos) {
  std::string item;
  if (text[pos] != '"') {
    while (pos < text.size() && text[pos] != ',' && static_cast<unsigned char>(text[pos]) > ' ')
      item += text[pos++];
    return item;
  }
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        item += '"';
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    item += text[pos++];
  }
  return item;
}

}  // namespace

// ---- TStrings ----

void TStrings::IndexError(int index) {
  throw EListError(Format("List index out of bounds (%d)", index));
}

int TStrings::Add(const std::string& value) {
  int index = Count();
  Insert(index, value);
  return index;
}

int TStrings::AddObject(const std::string& value, TObject* object) {
  int index = Add(value);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& value, TObject* object) {
  Insert(index, value);
  PutObject(index, object);
}

void TStrings::Put(int index, const std::string& value) {
  TObject* object = GetObject(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, value, object);
  EndUpdate();
}

TObject* TStrings::GetObject(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetUpdateState(bool) {}

void TStrings::Exchange(int index1, int index2) {
  BeginUpdate();
  std::string text1 = Get(index1);
  TObject* object1 = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text1);
  PutObject(index2, object1);
  EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  BeginUpdate();
  std::string text = Get(curIndex);
  TObject* object = GetObject(curIndex);
  Delete(curIndex);
  InsertObject(newIndex, text, object);
  EndUpdate();
}

int TStrings::IndexOf(const std::string& value) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (Get(i) == value) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0, n = Count(); i < n; ++i) {
    out += Get(i);
    out += "\r\n";
  }
  return out;
}

// GBK trail bytes are never CR or LF, so the text can be split byte-wise.
void TStrings::SetText(const std::string& text) {
  TUpdateScope<TStrings> update(*this);
  Clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

std::string TStrings::CommaText() const {
  std::string out;
  for (int i = 0, n = Count(); i < n; ++i) {
    if (i > 0) out += ',';
    std::string line = Get(i);
    out += NeedsQuotes(line) ? Quoted(line) : line;
  }
  return out;
}

// Quote and comma are single bytes that never occur inside a GBK character.
void TStrings::SetCommaText(const std::string& text) {
  TUpdateScope<TStrings> update(*this);
  Clear();
  size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ') ++pos;
  };
  skipBlanks();
  while (pos < text.size()) {
    Add(CommaItem(text, pos));
    skipBlanks();
    if (pos < text.size() && text[pos] == ',') {
      ++pos;
      skipBlanks();
      if (pos == text.size()) Add("");
    }
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TUpdateScope<TStrings> update(*this);
  Clear();
  AddStrings(source);
}

void TStrings::AddStrings(const TStrings& source) {
  // Copy first: `source` may be this very list.
  std::vector<std::pair<std::string, TObject*>> lines;
  for (int i = 0, n = source.Count(); i < n; ++i) lines.emplace_back(source.Get(i), source.GetObject(i));
  TUpdateScope<TStrings> update(*this);
  for (auto& [text, object] : lines) AddObject(text, object);
}

bool TStrings::Equals(const TStrings& other) const {
  int n = Count();
  if (n != other.Count()) return false;
  for (int i = 0; i < n; ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

void TStrings::LoadFromFile(const std::wstring& fileName) {
  std::ifstream in(std::filesystem::path(fileName), std::ios::binary);
  if (!in.is_open()) throw EInOutError(Format("Cannot open file \"%s\"", FileNameText(fileName).c_str()));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EInOutError(Format("Cannot read file \"%s\"", FileNameText(fileName).c_str()));
  SetText(bytes);
}

void TStrings::SaveToFile(const std::wstring& fileName) const {
  std::ofstream out(std::filesystem::path(fileName), std::ios::binary | std::ios::trunc);
  if (!out.is_open()) throw EInOutError(Format("Cannot create file \"%s\"", FileNameText(fileName).c_str()));
  std::string bytes = Text();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out.fail()) throw EInOutError(Format("Unable to write to %s", FileNameText(fileName).c_str()));
}

// ---- TStringList ----

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) IndexError(index);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  if (!FCaseSensitive) return CompareText(a, b);
  // char_traits<char> compares bytes as unsigned, so GBK text sorts after ASCII.
  return a.compare(b);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)].Text;
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FItems[static_cast<size_t>(index)].Object = object;
  Changed();
}

void TStringList::Put(int index, const std::string& value) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  CheckIndex(index);
  Changing();
  FItems[static_cast<size_t>(index)].Text = value;
  Changed();
}

void TStringList::InsertItem(int index, const std::string& value, TObject* object) {
  Changing();
  FItems.insert(FItems.begin() + index, TItem{value, object});
  Changed();
}

int TStringList::Add(const std::string& value) { return AddObject(value, nullptr); }

int TStringList::AddObject(const std::string& value, TObject* object) {
  int index = GetCount();
  if (FSorted && Find(value, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EListError("String list does not allow duplicates");
  }
  InsertItem(index, value, object);
  return index;
}

void TStringList::Insert(int index, const std::string& value) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  if (index < 0 || index > GetCount()) IndexError(index);
  InsertItem(index, value, nullptr);
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
  Changed();
}

bool TStringList::Find(const std::string& value, int& index) const {
  // Lower bound, so among equal lines the first is found.
  int low = 0, high = GetCount();
  while (low < high) {
    int mid = low + (high - low) / 2;
    if (CompareStrings(FItems[static_cast<size_t>(mid)].Text, value) < 0)
      low = mid + 1;
    else
      high = mid;
  }
  index = low;
  return low < GetCount() && CompareStrings(FItems[static_cast<size_t>(low)].Text, value) == 0;
}

int TStringList::IndexOf(const std::string& value) const {
  if (FSorted) {
    int index = 0;
    return Find(value, index) ? index : -1;
  }
  for (int i = 0, n = GetCount(); i < n; ++i)
    if (CompareStrings(FItems[static_cast<size_t>(i)].Text, value) == 0) return i;
  return -1;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (FCaseSensitive == value) return;
  FCaseSensitive = value;
  if (FSorted) Sort();
}
