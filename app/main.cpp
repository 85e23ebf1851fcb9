// Program entry: the application object, the main window, the message loop.
#include <windows.h>

#include "app/Unit1.h"
#include "ui/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Application->Initialize();
  Application->SetTitle("Tavoro网页特效集");
  Form1 = Application->CreateForm<TForm1>();
  Application->Run();
  return 0;
}
