#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/data/sfText.h"
#include "skin/dialogs/sfFileMask.h"
#include "ui/SysUtils.h"

using namespace sf;

TEST(FileMask, MatchingTable) {
  struct Case {
    const char* mask;
    const char* name;
    bool match;
  } cases[] = {
      {"*.*|*.*", "page.html", true},
      {"*.*|*.*", "README", true},  // "*.*" lets a name without a dot through
      {"*.htm,*.html", "page.html", false},  // the comma separates nothing
      {"*.htm,*.html", "page.htm", false},
      {"*.htm;*.html", "page.html", true},
      {"*.htm|*.html", "page.htm", true},
      {"*", "anything.at.all", true},
      {"txt", "txt", false},  // a pattern without "." is "*" or nothing
      {"*.TXT", "notes.txt", true},
      {"*.txt", "NOTES.TXT", true},
      {"?.txt", "a.txt", true},
      {"?.txt", "ab.txt", false},
      {"[abc]*.txt", "car.txt", true},
      {"[abc]*.txt", "dog.txt", false},
      {"[a-c]x.txt", "BX.TXT", true},
      {"[!a-c]x.txt", "bx.txt", false},
      {"[!a-c]x.txt", "dx.txt", true},
      {"[ab.txt", "[ab.txt", true},  // an open set is plain text
      {"*.txt", "C:\\dir.txt\\page", false},  // only the name part is matched
      {"*.txt", "C:\\dir\\page.txt", true},
      {"a*b*c.*", "aXXbYYbZc.q", true},
      {"*.htm", "page.html", false},
      {" *.txt ; *.log ", "x.log", true},
      {"*.乗", "文件.乗", true},
      {"?.txt", "乗.txt", true},  // a two-byte character is one '?'
      {"*A.txt", "丄.txt", false},  // a trail byte that looks like 'A' is no 'A'
      {"", "page.txt", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesMask(c.mask, c.name), c.match) << c.mask << " / " << c.name;
  EXPECT_EQ(MaskPatterns("*.htm,*.html").size(), 1u);
  EXPECT_EQ(MaskPatterns("a.x;b.y|c.z;;").size(), 3u);
}

TEST(FileMask, ExtensionFromMask) {
  EXPECT_EQ(ExtFromMask("*.htm,*.html"), ".html");
  EXPECT_EQ(ExtFromMask("*.htm;*.html"), ".htm");
  EXPECT_EQ(ExtFromMask("*.*"), "");
  EXPECT_EQ(ExtFromMask("*.txt|*.*"), "");
  EXPECT_EQ(ExtFromMask("*"), "");
  EXPECT_EQ(ExtFromMask("*.txt"), ".txt");
}

TEST(FileMask, MaskExtensionComesBeforeDefaultExtension) {
  // The program's filter and DefaultExt "HTML": the file is "page.html".
  EXPECT_EQ(WithDefaultExt("C:\\d\\page", ".html", "HTML"), "C:\\d\\page.html");
  EXPECT_EQ(WithDefaultExt("C:\\d\\page", "", "HTML"), "C:\\d\\page.HTML");
  EXPECT_EQ(WithDefaultExt("C:\\d\\page.htm", ".html", "HTML"), "C:\\d\\page.htm");
  EXPECT_EQ(WithDefaultExt("C:\\d\\page", "", ""), "C:\\d\\page");
  EXPECT_EQ(WithDefaultExt("C:\\d.x\\乗", ".html", ""), "C:\\d.x\\乗.html");

  EXPECT_EQ(ReplaceNameExt("page.htm", ".txt"), "page.txt");
  EXPECT_EQ(ReplaceNameExt("page", ".txt"), "page.txt");
  // Only the extension at the end goes, not an earlier copy of its text.
  EXPECT_EQ(ReplaceNameExt("a.htmx.htm", ".txt"), "a.htmx.txt");
}

TEST(TextFit, ShorteningKeepsTwoByteCharactersWhole) {
  auto within = [](size_t n) { return [n](const std::string& s) { return s.size() <= n; }; };
  EXPECT_EQ(ShortenWithEllipsis("short", within(10)), "short");
  EXPECT_EQ(ShortenWithEllipsis("abcdefgh", within(6)), "abc...");
  // "文件名" is six bytes; five bytes of room must not keep half of "件".
  // Seven bytes in six: cutting bytes would leave "文" and half of "件" before "...".
  EXPECT_EQ(ShortenWithEllipsis("文件名x", within(6)), "文...");
  EXPECT_EQ(ShortenWithEllipsis("文件名xy", within(7)), "文件...");
  EXPECT_EQ(ShortenWithEllipsis("文件名", within(2)), "...");
  std::string s = "a乗";
  RemoveLastChar936(s);
  EXPECT_EQ(s, "a");
}

TEST(FileMask, StartFolderOnlyWhereItStillExists) {
  std::set<std::string> dirs = {"C:\\last\\", "C:\\init"};
  auto exists = [&](const std::string& d) { return dirs.count(d) > 0; };
  EXPECT_EQ(StartFolder("C:\\last\\page.html", "", "C:\\exe", exists), "C:\\last\\");
  // The last result's folder has gone: fall through to the empty-FileName rule.
  EXPECT_EQ(StartFolder("C:\\gone\\page.html", "", "C:\\exe", exists), "C:\\exe");
  EXPECT_EQ(StartFolder("C:\\gone\\page.html", "C:\\init", "C:\\exe", exists), "C:\\init");
  EXPECT_EQ(StartFolder("page.html", "C:\\init", "C:\\exe", exists), "C:\\init");
  EXPECT_EQ(StartFolder("", "C:\\nowhere", "C:\\exe", exists), "C:\\exe");
  EXPECT_EQ(StartFolder("", "", "C:\\exe", exists), "C:\\exe");
}

namespace {

struct AcceptWorld {
  std::set<std::string> files;
  std::string asked;
  bool answer = true;
  TsfAcceptHooks Hooks() {
    return {[this](const std::string& f) { return files.count(f) > 0; },
            [this](const std::string& f) {
              asked = f;
              return answer;
            }};
  }
};

TsfAcceptInput Save(const char* name) {
  TsfAcceptInput in;
  in.saveMode = true;
  in.name = name;
  in.dir = "C:\\out";
  in.maskExt = ".html";
  in.defaultExt = "HTML";
  return in;
}

}  // namespace

TEST(FileMask, AcceptInSaveMode) {
  AcceptWorld w;
  EXPECT_EQ(DecideAccept(Save("page"), w.Hooks()), "C:\\out\\page");
  EXPECT_EQ(DecideAccept(Save("page.htm"), w.Hooks()), "C:\\out\\page.htm");
  EXPECT_EQ(DecideAccept(Save(""), w.Hooks()), "");
  EXPECT_EQ(DecideAccept(Save("*.txt"), w.Hooks()), "");
  EXPECT_EQ(DecideAccept(Save("D:\\elsewhere\\p.htm"), w.Hooks()), "D:\\elsewhere\\p.htm");

  // CheckFileExists means nothing when saving.
  TsfAcceptInput in = Save("new");
  in.checkFileExists = true;
  EXPECT_EQ(DecideAccept(in, w.Hooks()), "C:\\out\\new");

  // The question is about the very file that will be written.
  w.files = {"C:\\out\\page.html"};
  in = Save("page");
  EXPECT_EQ(DecideAccept(in, w.Hooks()), "C:\\out\\page");  // no question without the option
  EXPECT_EQ(w.asked, "");
  in.overwritePrompt = true;
  w.answer = false;
  EXPECT_EQ(DecideAccept(in, w.Hooks()), "");
  EXPECT_EQ(w.asked, "C:\\out\\page.html");
  w.answer = true;
  EXPECT_EQ(DecideAccept(in, w.Hooks()), "C:\\out\\page");

  // A folder that is not on disk (the computer, the network): stay open.
  in = Save("page");
  in.fileSystemFolder = false;
  in.dir = "My Computer";
  EXPECT_EQ(DecideAccept(in, w.Hooks()), "");
}

TEST(FileMask, AcceptInOpenMode) {
  AcceptWorld w;
  w.files = {"C:\\in\\a.html", "C:\\in\\sel.txt"};
  auto open = [](std::string name, bool check, std::string selected) {
    TsfAcceptInput in;
    in.dir = "C:\\in\\";
    in.maskExt = ".html";
    in.name = std::move(name);
    in.checkFileExists = check;
    in.selected = std::move(selected);
    return in;
  };
  EXPECT_EQ(DecideAccept(open("a", true, ""), w.Hooks()), "C:\\in\\a.html");
  EXPECT_EQ(DecideAccept(open("b", true, ""), w.Hooks()), "");  // no such file: stay open
  EXPECT_EQ(DecideAccept(open("b", false, ""), w.Hooks()), "C:\\in\\b.html");
  EXPECT_EQ(DecideAccept(open("b", false, "C:\\in\\sel.txt"), w.Hooks()), "C:\\in\\sel.txt");
  EXPECT_EQ(DecideAccept(open("b", true, "C:\\in\\sel.txt"), w.Hooks()), "C:\\in\\sel.txt");
  EXPECT_EQ(DecideAccept(open("b", true, "C:\\in\\gone.txt"), w.Hooks()), "");
}

TEST(FileMask, DialogTextRules) {
  EXPECT_EQ(NameForFileType("page.htm", "*.txt"), "page.txt");
  EXPECT_EQ(NameForFileType("page", "*.htm,*.html"), "page.html");
  EXPECT_EQ(NameForFileType("page.htm", "*.*"), "page.htm");
  EXPECT_EQ(NameForFileType("", "*.txt"), "");

  EXPECT_EQ(NewFolderName(1), "New Folder");
  EXPECT_EQ(NewFolderName(2), "New Folder(2)");
  EXPECT_EQ(NewFolderName(3), "New Folder(3)");

  EXPECT_EQ(EditEnterAction("*.txt"), sfeeMask);
  EXPECT_EQ(EditEnterAction("C:\\out"), sfeeFolder);
  EXPECT_EQ(EditEnterAction("page"), sfeeAccept);
  EXPECT_EQ(EditEnterAction("乗"), sfeeAccept);  // a trail byte '\' is no path
}
