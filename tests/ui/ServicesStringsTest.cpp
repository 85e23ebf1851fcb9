#include <gtest/gtest.h>

#include "ServicesTestSupport.h"
#include "ui/Exception.h"
#include "ui/Strings.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list[i]);
  return out;
}

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const EListError& e) {
    return e.Message();
  }
  return "(no error)";
}

// The storage a control would keep its items in, behind only the required hooks,
// so the base class's own operations are what is tested.
class TMinimalStrings : public TStrings {
 public:
  void Insert(int index, const std::string& value) override {
    if (index < 0 || index > Count()) IndexError(index);
    FItems.insert(FItems.begin() + index, value);
  }
  void Delete(int index) override {
    Check(index);
    FItems.erase(FItems.begin() + index);
  }
  void Clear() override { FItems.clear(); }
  std::vector<bool> UpdateStates;

 protected:
  std::string Get(int index) const override {
    Check(index);
    return FItems[static_cast<size_t>(index)];
  }
  int GetCount() const override { return static_cast<int>(FItems.size()); }
  void SetUpdateState(bool updating) override { UpdateStates.push_back(updating); }

 private:
  void Check(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
  }
  std::vector<std::string> FItems;
};

}  // namespace

TEST(ServicesStrings, TextJoinsWithCrLfAndSplitsEveryLineBreak) {
  TStringList list;
  list.Add("菜单导航");
  list.Add("");
  list.Add("a b");
  EXPECT_EQ(list.Text(), "菜单导航\r\n\r\na b\r\n");

  TStringList copy;
  copy.SetText(list.Text());
  EXPECT_EQ(Lines(copy), Lines(list));

  copy.SetText("one\ntwo\rthree\r\n\r\nfour");
  EXPECT_EQ(Lines(copy), (std::vector<std::string>{"one", "two", "three", "", "four"}));
  copy.SetText("x\n\ry");  // LF then CR is two breaks
  EXPECT_EQ(Lines(copy), (std::vector<std::string>{"x", "", "y"}));
  copy.SetText("");
  EXPECT_EQ(copy.Count(), 0);
  EXPECT_EQ(copy.Text(), "");
}

TEST(ServicesStrings, IndexErrorsNameTheIndex) {
  TStringList list;
  list.Add("a");
  EXPECT_EQ(ErrorText([&] { list.Strings(1); }), "List index out of bounds (1)");
  EXPECT_EQ(ErrorText([&] { list.SetStrings(-1, "x"); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorText([&] { list.Delete(5); }), "List index out of bounds (5)");
  EXPECT_EQ(ErrorText([&] { list.Insert(2, "x"); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorText([&] { list.Objects(1); }), "List index out of bounds (1)");
  list.Insert(1, "b");  // at Count is an append
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"a", "b"}));
}

TEST(ServicesStrings, SortedListKeepsOrderAndObjectsAndHandlesDuplicates) {
  TStringList list;
  TObject one, two, three;
  list.AddObject("pear", &one);
  list.AddObject("Apple", &two);
  list.AddObject("apple", &three);
  list.Add("表单");
  list.SetSorted(true);
  list.Delete(3);  // GBK bytes sort after ASCII
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"Apple", "apple", "pear"}));
  EXPECT_EQ(list.Objects(0), &two);
  EXPECT_EQ(list.Objects(2), &one);

  EXPECT_EQ(list.Add("banana"), 2);
  EXPECT_EQ(list.Add("pear"), 3);  // dupIgnore answers the existing line
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(dupError);
  EXPECT_EQ(ErrorText([&] { list.Add("pear"); }), "String list does not allow duplicates");
  list.SetDuplicates(dupAccept);
  list.Add("pear");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(ErrorText([&] { list.Insert(0, "z"); }), "Operation not allowed on sorted list");

  EXPECT_EQ(list.IndexOf("APPLE"), -1);
  list.SetCaseSensitive(false);
  EXPECT_EQ(list.IndexOf("APPLE"), 0);
  EXPECT_EQ(list.IndexOf("cherry"), -1);
}

TEST(ServicesStrings, UpdateBracketsFireOneChange) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  list.SetText("x\r\ny\r\nz");
  EXPECT_EQ(changes, 3);
}

TEST(ServicesStrings, BaseOperationsWorkOverAnyStorage) {
  TMinimalStrings items;
  items.SetText("a\r\nb\r\nc");
  EXPECT_EQ(items.UpdateStates, (std::vector<bool>{true, false}));
  items.SetStrings(1, "B");
  items.Exchange(0, 2);
  items.Move(0, 1);
  EXPECT_EQ(Lines(items), (std::vector<std::string>{"B", "c", "a"}));
  EXPECT_EQ(items.IndexOf("a"), 2);
  EXPECT_EQ(ErrorText([&] { items.Objects(3); }), "List index out of bounds (3)");

  TStringList list;
  list.Assign(items);
  EXPECT_TRUE(list.Equals(items));
  items.Assign(list);
  items.AddStrings(items);
  EXPECT_EQ(items.Count(), 6);
}

TEST(ServicesStrings, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  list.SetText("plain\r\ntwo words\r\nsay \"hi\"\r\na,b\r\n\r\n特效");
  EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"say \"\"hi\"\"\",\"a,b\",\"\",特效");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Lines(back), Lines(list));
}

TEST(ServicesStrings, FilesKeepTheBytesAndFailuresNameTheFile) {
  TScratchFolder folder(L"strings");
  std::wstring file = folder.File(L"保存特效.htm");
  TStringList list;
  list.SetText("<p>网页特效</p>\r\n<b>x</b>");
  list.SaveToFile(file);
  EXPECT_EQ(ReadBytes(file), "<p>网页特效</p>\r\n<b>x</b>\r\n");

  WriteBytes(file, "one\ntwo\r\n\xEF\xBB\xBFthree");
  list.LoadFromFile(file);
  EXPECT_EQ(Lines(list), (std::vector<std::string>{"one", "two", "\xEF\xBB\xBFthree"}));

  std::wstring missing = folder.File(L"缺少\\none.txt");
  try {
    list.LoadFromFile(missing);
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find("缺少\\none.txt"), std::string::npos) << e.Message();
  }
  EXPECT_THROW(list.SaveToFile(missing), EInOutError);
}
