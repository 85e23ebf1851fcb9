#include "controls/FxEdit.h"

TFxCustomEdit::TFxCustomEdit(TComponent* AOwner) : TFxFramedEdit<TCustomEdit>(AOwner) {}

TFxCustomEdit::~TFxCustomEdit() = default;
