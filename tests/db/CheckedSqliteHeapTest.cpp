// The engine allocates from the test programs' checked heap as everything else does.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "tests/support/CheckedHeap.h"

int CheckedSqliteHeapInstalled();

TEST(CheckedSqliteHeapDeathTest, TheEngineAllocatesFromTheCheckedHeap) {
  ASSERT_EQ(SQLITE_OK, CheckedSqliteHeapInstalled());
  void* p = sqlite3_malloc(100);
  ASSERT_NE(nullptr, p);
  EXPECT_GE(CheckedHeap::BlockSize(p), 100u);
  EXPECT_GE(sqlite3_msize(p), 100u);
  sqlite3_free(p);
  EXPECT_EQ(0u, CheckedHeap::BlockSize(p));
  EXPECT_DEATH(
      {
        auto* bytes = static_cast<volatile char*>(sqlite3_malloc(64));
        sqlite3_free(const_cast<char*>(bytes));
        bytes[1] = 1;
      },
      "use after free: write of freed memory");
}
