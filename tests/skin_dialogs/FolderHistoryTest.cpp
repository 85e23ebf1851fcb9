#include <gtest/gtest.h>

#include <string>

#include "skin/dialogs/sfFolderHistory.h"

TEST(FolderHistory, BackReturnsToThePreviousFolderEachTime) {
  TsfFolderHistory<std::string> h([](const std::string& a, const std::string& b) { return a == b; });
  std::string to;
  h.Record("start");
  EXPECT_FALSE(h.Back(to));
  h.Record("A");
  h.Record("A");  // no duplicate consecutive entries
  h.Record("B");
  ASSERT_TRUE(h.Back(to));
  EXPECT_EQ(to, "A");
  h.Record("C");
  // start, A, B, Back, C: Back now leads to A, then to start.
  ASSERT_TRUE(h.Back(to));
  EXPECT_EQ(to, "A");
  ASSERT_TRUE(h.Back(to));
  EXPECT_EQ(to, "start");
  EXPECT_FALSE(h.Back(to));
  EXPECT_EQ(h.Count(), 1u);
}
