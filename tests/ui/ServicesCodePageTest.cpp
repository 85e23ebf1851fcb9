// Code page 936 text against the platform's UTF-16: the bytes of text GBK holds,
// references for the characters it lacks, paths that come back exactly, and an
// edit's positions over such characters.
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"
#include "ui/CodePage.h"
#include "ui/Edit.h"

TEST(ServicesCodePage, TextGbkHoldsKeepsItsBytes) {
  EXPECT_EQ(WideToAnsi(L"预览特效<p>"), "\xD4\xA4\xC0\xC0\xCC\xD8\xD0\xA7<p>");
  EXPECT_EQ(WideToAnsi(L"\u20AC\u00B7\u3000"), "\x80\xA1\xA4\xA1\xA1");  // euro, middle dot, ideographic space
  EXPECT_EQ(WideToAnsi(L"&#x1F600; stays as typed?"), "&#x1F600; stays as typed?");
  EXPECT_EQ(WideToAnsi(L""), "");
  EXPECT_TRUE(IsAnsiText(L"网页特效 &#?"));
  EXPECT_TRUE(IsAnsiText(L""));
  EXPECT_EQ(AnsiToWide("\xD4\xA4\xC0\xC0"), L"预览");
}

TEST(ServicesCodePage, CharactersGbkLacksBecomeReferences) {
  EXPECT_EQ(WideToAnsi(L"a\U0001F600b"), "a&#x1F600;b");  // a pair is one code point
  EXPECT_EQ(WideToAnsi(L"\u2713\u00E4"), "&#x2713;&#xE4;");  // no look-alike "a"
  EXPECT_EQ(WideToAnsi(L"\uD14C\uC2A4\uD2B8"), "&#xD14C;&#xC2A4;&#xD2B8;");
  EXPECT_EQ(WideToAnsi(L"特\U0001F600效"), "\xCC\xD8&#x1F600;\xD0\xA7");
  EXPECT_EQ(WideToAnsi(std::wstring{L'x', wchar_t(0xD800), L'y', wchar_t(0xDE00)}), "x&#xD800;y&#xDE00;");
  EXPECT_FALSE(IsAnsiText(L"名\U0001F600"));
  EXPECT_FALSE(IsAnsiText(L"\u2713"));

  // A long text: the character GBK lacks sits where halving the text splits a pair.
  std::wstring lon(5000, L'特');
  lon += L"\U0001F431";
  lon += std::wstring(5000, L'a');
  const std::string bytes = WideToAnsi(lon);
  ASSERT_EQ(bytes.size(), 10000u + 9u + 5000u);
  EXPECT_EQ(bytes.substr(9998, 13), "\xCC\xD8&#x1F431;aa");
}

TEST(ServicesCodePage, PathsComeBackExactly) {
  const std::wstring path = L"Z:\\x;&#x41;&y\\\uD14C\uC2A4\uD2B8\U0001F600\\网页 &#\\spect.nht";
  const std::string text = PathToAnsi(path);
  EXPECT_EQ(text,
            "Z:\\x;&#x26;#x41;&y\\&#xD14C;&#xC2A4;&#xD2B8;&#x1F600;\\\xCD\xF8\xD2\xB3 &#x26;#\\spect.nht");
  EXPECT_EQ(PathFromAnsi(text), path);
  EXPECT_EQ(PathToAnsi(L"C:\\网页特效\\spect.nht"), WideToAnsi(L"C:\\网页特效\\spect.nht"));
  const std::wstring lone{L'C', L':', L'\\', wchar_t(0xDC01), L'.', L'x'};
  EXPECT_EQ(PathFromAnsi(PathToAnsi(lone)), lone);
  // Only what PathToAnsi writes is read back: references to characters GBK holds,
  // and anything malformed, stay as they are.
  EXPECT_EQ(PathFromAnsi("a&#x41;b&#x1F600&#x;&#xZ;&#x110000;&#x0001F600;&#x1f600;"),
            L"a&#x41;b&#x1F600&#x;&#xZ;&#x110000;&#x0001F600;\U0001F600");
}

TEST(ServicesCodePage, AnEditCountsAReferenceAsTheOneCharacterItStandsFor) {
  auto form = MakeSizedForm(300, 100);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  edit->SetWideText(L"名\U0001F600字");
  EXPECT_EQ(edit->WideText(), L"名\U0001F600字");
  EXPECT_EQ(edit->Text(), "\xC3\xFB&#x1F600;\xD7\xD6");
  edit->SetSelStart(2);  // after 名
  edit->SetSelLength(9);  // the reference
  EXPECT_EQ(edit->SelText(), "&#x1F600;");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 9);
  edit->SetSelStart(11);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), "\xD7\xD6");
}
