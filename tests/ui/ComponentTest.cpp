#include <gtest/gtest.h>

#include "ui/Component.h"

TEST(Component, OwnerFreesInReverseOrder) {
  std::vector<std::string> freed;
  struct TTracked : TComponent {
    std::vector<std::string>* Log;
    TTracked(TComponent* owner, const char* name, std::vector<std::string>* log) : TComponent(owner), Log(log) { SetName(name); }
    ~TTracked() override { Log->push_back(Name()); }
  };
  auto* root = new TComponent(nullptr);
  new TTracked(root, "a", &freed);
  new TTracked(root, "b", &freed);
  new TTracked(root, "c", &freed);
  EXPECT_EQ(root->ComponentCount(), 3);
  EXPECT_EQ(root->FindComponent("b")->ComponentIndex(), 1);
  delete root;
  EXPECT_EQ(freed, (std::vector<std::string>{"c", "b", "a"}));
}
