#pragma once
// TStrings, a list of text lines each carrying an object pointer, and TStringList,
// the list that stores them itself. Controls derive from TStrings to expose their
// items (a list box's lines, a combo box's entries) through the same interface, so
// every operation that touches the storage is virtual.
#include <string>
#include <vector>

#include "Component.h"

// <windows.h> names a macro GetObject; our method of that name must not be renamed
// in the files that include both. Those files call the W functions by full name.
#ifdef GetObject
#undef GetObject
#endif

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TObject {
 public:
  int Count() const { return GetCount(); }
  std::string Strings(int index) const { return Get(index); }
  void SetStrings(int index, const std::string& value) { Put(index, value); }
  std::string operator[](int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObject(index); }
  void SetObjects(int index, TObject* object) { PutObject(index, object); }

  // Adds at the end (a sorted list: at the line's place) and returns the index.
  virtual int Add(const std::string& value);
  virtual int AddObject(const std::string& value, TObject* object);
  virtual void Insert(int index, const std::string& value) = 0;
  void InsertObject(int index, const std::string& value, TObject* object);
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  // Position of the first line equal to `value`, or -1.
  virtual int IndexOf(const std::string& value) const;
  int IndexOfObject(const TObject* object) const;

  // Every line followed by CR LF.
  virtual std::string Text() const;
  // Replaces the lines; CR LF, LF and CR each end a line, and a final line break
  // adds no empty line.
  virtual void SetText(const std::string& text);
  // Lines separated by commas; a line with blanks, commas or quotes is quoted.
  std::string CommaText() const;
  void SetCommaText(const std::string& text);

  // Changes between the calls count as one: a list fires one change at the end,
  // a control repaints once.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  virtual void Assign(const TStrings& source);
  virtual void AddStrings(const TStrings& source);
  bool Equals(const TStrings& other) const;

  // The file's bytes as they are, no conversion; EInOutError naming the file on failure.
  void LoadFromFile(const std::wstring& fileName);
  virtual void SaveToFile(const std::wstring& fileName) const;

 protected:
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& value);
  virtual int GetCount() const = 0;
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);
  // Called with true when the first BeginUpdate starts and false when the last
  // EndUpdate ends a batch of changes.
  virtual void SetUpdateState(bool updating);
  // Raises EListError "List index out of bounds (%d)".
  [[noreturn]] static void IndexError(int index);

 private:
  int FUpdateCount = 0;
};

class TStringList : public TStrings {
 public:
  TStringList() = default;

  int Add(const std::string& value) override;
  int AddObject(const std::string& value, TObject* object) override;
  void Insert(int index, const std::string& value) override;
  void Delete(int index) override;
  void Clear() override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const std::string& value) const override;
  // In a sorted list: true when `value` is present, and `index` is its position
  // or the position where it would go.
  bool Find(const std::string& value, int& index) const;
  void Sort();

  // A sorted list keeps its lines in order; Insert and SetStrings are refused.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  // What Add does with a line a sorted list already holds.
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  // Comparison for sorting, Find and IndexOf: exact bytes when true (the
  // default), ASCII letters folded when false.
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool value);

  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& value) override;
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  virtual int CompareStrings(const std::string& a, const std::string& b) const;
  void Changing();
  void Changed();

 private:
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int index) const;
  void InsertItem(int index, const std::string& value, TObject* object);

  std::vector<TItem> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = true;
};
