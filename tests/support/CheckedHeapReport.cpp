// The checked heap's fault report: what went wrong, with which block, and where the
// block was allocated and freed and the fault happened, as addresses that
// `addr2line -f -C -e PROGRAM` turns into functions and lines. Nothing here allocates.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CheckedHeapArena.h"

namespace CheckedHeap {

namespace {

constexpr unsigned kExitCode = 3;
constexpr int kFaultFrames = 10;

char Text[8192];
std::size_t Used = 0;

void Append(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Append(const char* format, ...) {
  if (Used >= sizeof Text) return;
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(Text + Used, sizeof Text - Used, format, args);
  va_end(args);
  if (n > 0) Used += static_cast<std::size_t>(n);
  if (Used > sizeof Text - 1) Used = sizeof Text - 1;
}

// "ui_tests.exe 0x140012345": the module's name and the address where the module
// would be loaded at its preferred base, which is what addr2line reads.
void AppendSite(const void* address) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCWSTR>(address), &module)) {
    Append("%p", address);
    return;
  }
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  const wchar_t* name = path;
  for (DWORD i = 0; i < length; ++i)
    if (path[i] == L'\\' || path[i] == L'/') name = path + i + 1;
  char narrow[MAX_PATH * 3];
  if (!WideCharToMultiByte(CP_UTF8, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr))
    std::strcpy(narrow, "?");
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(module) +
                                                       dos->e_lfanew);
  unsigned long long preferred = reinterpret_cast<std::uintptr_t>(address) -
                                 reinterpret_cast<std::uintptr_t>(module) +
                                 nt->OptionalHeader.ImageBase;
  Append("%s 0x%llx", narrow, preferred);
  char function[512];
  unsigned long long offset = 0;
  if (NearestSymbol(module, static_cast<std::uintptr_t>(preferred), function, sizeof function,
                    &offset))
    Append(" %s+0x%llx", function, offset);
}

void AppendSites(const char* label, void* const* sites) {
  if (!sites || !sites[0]) return;
  Append("\n  %s:", label);
  for (int i = 0; i < kSites && sites[i]; ++i) {
    Append("\n    ");
    AppendSite(sites[i]);
  }
}

void AppendBlock(std::uintptr_t address, const TBlock* b) {
  if (!b) return;
  Append("\n  the block: %llu bytes at %p", static_cast<unsigned long long>(b->Size),
         reinterpret_cast<void*>(b->Start));
  if (!address) return;
  if (address < b->Start)
    Append(", the address %llu bytes before its start",
           static_cast<unsigned long long>(b->Start - address));
  else if (address >= b->Start + b->Size)
    Append(", the address %llu bytes past its end",
           static_cast<unsigned long long>(address - (b->Start + b->Size)));
  else
    Append(", the address %llu bytes into it", static_cast<unsigned long long>(address - b->Start));
}

[[noreturn]] void Stop() {
  Append("\n");
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), Text, static_cast<DWORD>(Used), &written, nullptr);
  TerminateProcess(GetCurrentProcess(), kExitCode);
  std::abort();
}

// The faulting code and its callers, unwound from the fault's own context.
void AppendFaultStack(const CONTEXT& fault) {
  CONTEXT context = fault;
  Append("\n  at:");
  for (int i = 0; i < kFaultFrames && context.Rip; ++i) {
    Append("\n    ");
    AppendSite(reinterpret_cast<void*>(context.Rip));
    DWORD64 imageBase = 0;
    PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
    if (!function) {
      context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
      context.Rsp += 8;
      continue;
    }
    void* handlerData = nullptr;
    DWORD64 establisher = 0;
    RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                     &establisher, nullptr);
  }
}

const char* FaultKind(const TBlock& b, std::uint32_t head, std::uintptr_t address, bool write) {
  if (b.State == TBlockState::Quarantined || b.State == TBlockState::Recycled)
    return write ? "use after free: write of freed memory" : "use after free: read of freed memory";
  if (address >= BlockEnd(b, head))
    return write ? "heap overflow: write past the end of a block"
                 : "heap overflow: read past the end of a block";
  return write ? "heap underflow: write before the start of a block"
               : "heap underflow: read before the start of a block";
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record.NumberParameters < 2)
    return EXCEPTION_CONTINUE_SEARCH;
  auto address = static_cast<std::uintptr_t>(record.ExceptionInformation[1]);
  std::uint32_t head = 0;
  const TBlock* b = RangeOf(address, &head);
  if (!b || b->State == TBlockState::Unused) return EXCEPTION_CONTINUE_SEARCH;
  bool write = record.ExceptionInformation[0] == 1;
  Used = 0;
  Append("checked heap: %s at %p", FaultKind(*b, head, address, write),
         reinterpret_cast<void*>(address));
  AppendBlock(address, b);
  AppendFaultStack(*info->ContextRecord);
  AppendSites("allocated at", b->AllocSites);
  if (b->State != TBlockState::Live) AppendSites("freed at", b->FreeSites);
  Stop();
}

}  // namespace

void FailOnBlock(const char* fault, std::uintptr_t address, const TBlock* block,
                 void* const* sites) {
  Used = 0;
  Append("checked heap: %s", fault);
  if (address) Append(" at %p", reinterpret_cast<void*>(address));
  AppendBlock(address, block);
  if (block) {
    AppendSites("allocated at", block->AllocSites);
    if (block->State != TBlockState::Live) AppendSites("first freed at", block->FreeSites);
  }
  AppendSites("at", sites);
  Stop();
}

void InstallFaultHandler() { AddVectoredExceptionHandler(1, OnFault); }

// How many callers each allocation and free records: CHECKED_HEAP_FRAMES, 1 to 4
// (4 unless set; 1 is the quickest).
int SiteFrames() {
  static int frames = [] {
    char value[8] = {};
    DWORD n = GetEnvironmentVariableA("CHECKED_HEAP_FRAMES", value, sizeof value);
    int v = n ? std::atoi(value) : kSites;
    return v < 1 ? 1 : v > kSites ? kSites : v;
  }();
  return frames;
}

}  // namespace CheckedHeap
