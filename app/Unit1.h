#pragma once
// The main window.
#include "ui/Form.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* AOwner);
};

extern TForm1* Form1;
