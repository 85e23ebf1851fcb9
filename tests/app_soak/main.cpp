#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "ui/Application.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  Application->Initialize();
  Application->SetTitle("Tavoro网页特效集");
  // A box that no test expected is printed and answered at once: nothing waits for a click.
  SetMessageBoxHandler([](HWND, const std::string& text, const std::string& caption, unsigned) {
    std::fprintf(stderr, "unexpected message box [%s]: %s\n", caption.c_str(), text.c_str());
    return 1;
  });
  return RUN_ALL_TESTS();
}
