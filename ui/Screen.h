#pragma once
// TScreen: the primary screen's size, the forms in creation order and the
// table of cursors by number.
#include <map>
#include <vector>

#include "Component.h"
#include "WinHandles.h"

class TForm;

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}
  ~TScreen() override;

  int Width() const;
  int Height() const;

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(static_cast<size_t>(index)); }
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

  // The cursor of a number: a stock cursor for the predefined numbers, what was
  // stored with SetCursors for others, else the arrow.
  HCURSOR Cursors(TCursor index);
  // Stores a cursor under a number (the caller keeps the cursor alive).
  void SetCursors(TCursor index, HCURSOR cursor);

 private:
  std::vector<TForm*> FForms;
  std::map<TCursor, HCURSOR> FCursors;
};

extern TScreen* Screen;
