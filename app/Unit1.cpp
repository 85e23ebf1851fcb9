#include "app/Unit1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
  SetName("Form1");
  SetLeft(215);
  SetTop(100);
  SetClientWidth(782);
  SetClientHeight(552);
  SetCaption("Tavoro网页特效集");
}
