#pragma once
// TMemo: the platform's edit window with many lines, and TMemoStrings, its text
// seen as a list of lines.
#include <memory>
#include <string>

#include "Edit.h"
#include "Strings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// The lines of a memo's text, read from it and written into it at once. A line
// ends at CR LF (or a lone CR or LF); a final line break adds no empty line, and
// the breaks that word wrap shows are not line ends.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TMemo& memo) : FMemo(memo) {}

  void Insert(int index, const std::string& value) override;
  void Delete(int index) override;
  void Clear() override;
  // Replaces the memo's text; every line break becomes CR LF.
  void SetText(const std::string& text) override;
  // The memo's text exactly as it stands, not rebuilt line by line (which would
  // end a last line with a break it lacks).
  std::string Text() const override;
  void SaveToFile(const std::wstring& fileName) const override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& value) override;
  int GetCount() const override;
  void SetUpdateState(bool updating) override;

 private:
  TMemo& FMemo;
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;

  TMemoStrings& Lines() { return *FLines; }
  const TMemoStrings& Lines() const { return *FLines; }

  // Enter makes a new line (otherwise it is left to the form).
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  // Tab types a tab (otherwise it moves the focus on).
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value) { FWantTabs = value; }
  // Long lines wrap at the right edge; there is no horizontal scrolling then.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);

  // The caret: x is its character in the line, y the line as the memo shows it
  // (wrapped), both from 0.
  TPoint CaretPos() const;
  void SetCaretPos(TPoint value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyPress(char& Key) override;
  // The caret's character position in the text; with a selection, the end the
  // caret is at.
  size_t CaretCharPos() const;

 private:
  friend class TMemoStrings;

  std::unique_ptr<TMemoStrings> FLines;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
  TScrollStyle FScrollBars = ssNone;
};
