// With the checked heap switched off, the engine keeps its own allocator.
#include <sqlite3.h>

int CheckedSqliteHeapInstalled() { return SQLITE_MISUSE; }
