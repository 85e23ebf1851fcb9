#pragma once
// TFxCustomEdit and TFxEdit: the single-line edit with state colours, an optional
// frame of its own, pointer enter and leave, and Enter as Tab.
#include "controls/FxFramedEdit.h"
#include "ui/Edit.h"

class TFxCustomEdit : public TFxFramedEdit<TCustomEdit> {
 public:
  explicit TFxCustomEdit(TComponent* AOwner);
  ~TFxCustomEdit() override;
};

class TFxEdit : public TFxCustomEdit {
 public:
  using TFxCustomEdit::TFxCustomEdit;
};
