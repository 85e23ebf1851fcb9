// Names for the addresses of a fault report: the nearest function symbol at or before
// an address, from the COFF symbol table the linker leaves in a test program's file.
// Read only when a report is written, into memory of its own (never the checked heap).
#include <cxxabi.h>

#include <cstdlib>
#include <cstring>

#include "CheckedHeapArena.h"

namespace CheckedHeap {

namespace {

#pragma pack(push, 1)
struct TCoffSymbol {
  union {
    char Short[8];
    struct {
      DWORD Zeroes;
      DWORD Offset;
    } Long;
  } Name;
  DWORD Value;
  SHORT Section;
  WORD Type;
  BYTE StorageClass;
  BYTE AuxCount;
};
#pragma pack(pop)

struct TSymbolFile {
  bool Tried = false;
  const char* Data = nullptr;
  DWORD Size = 0;
};

TSymbolFile File;

bool ReadProgramFile(HMODULE module) {
  wchar_t path[MAX_PATH];
  if (!GetModuleFileNameW(module, path, MAX_PATH)) return false;
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(file, nullptr);
  void* data = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  DWORD read = 0;
  bool ok = data && ReadFile(file, data, size, &read, nullptr) && read == size;
  CloseHandle(file);
  if (!ok) return false;
  File.Data = static_cast<const char*>(data);
  File.Size = size;
  return true;
}

// The symbol's name, demangled where it is a C++ name; a section symbol of a
// function of its own (".text$_ZN...") stands for that function.
void CopyName(const char* raw, std::size_t length, char* out, std::size_t outSize) {
  char name[1024];
  if (length >= sizeof name) length = sizeof name - 1;
  std::memcpy(name, raw, length);
  name[length] = 0;
  const char* mangled = std::strncmp(name, ".text$", 6) == 0 ? name + 6 : name;
  int status = -1;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  const char* shown = status == 0 && demangled ? demangled : name;
  std::strncpy(out, shown, outSize - 1);
  out[outSize - 1] = 0;
  std::free(demangled);
}

}  // namespace

bool NearestSymbol(HMODULE module, std::uintptr_t preferred, char* out, std::size_t outSize,
                   unsigned long long* offset) {
  if (module != GetModuleHandleW(nullptr)) return false;
  if (!File.Tried) {
    File.Tried = true;
    ReadProgramFile(module);
  }
  if (!File.Data) return false;
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(File.Data);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(File.Data + dos->e_lfanew);
  const IMAGE_FILE_HEADER& header = nt->FileHeader;
  DWORD table = header.PointerToSymbolTable, count = header.NumberOfSymbols;
  if (!table || table + std::size_t{count} * sizeof(TCoffSymbol) + 4 > File.Size) return false;
  auto* sections = IMAGE_FIRST_SECTION(nt);
  auto* symbols = reinterpret_cast<const TCoffSymbol*>(File.Data + table);
  const char* strings = File.Data + table + std::size_t{count} * sizeof(TCoffSymbol);
  const TCoffSymbol* best = nullptr;
  std::uintptr_t bestAddress = 0;
  for (DWORD i = 0; i < count; i += 1 + symbols[i].AuxCount) {
    const TCoffSymbol& s = symbols[i];
    if (s.Section <= 0 || s.Section > header.NumberOfSections) continue;
    if (!(sections[s.Section - 1].Characteristics & IMAGE_SCN_CNT_CODE)) continue;
    std::uintptr_t address =
        nt->OptionalHeader.ImageBase + sections[s.Section - 1].VirtualAddress + s.Value;
    if (address > preferred || address < bestAddress) continue;
    // Of symbols at one address, a function's own name beats its section's.
    if (address == bestAddress && best && best->Type == 0x20 && s.Type != 0x20) continue;
    best = &s;
    bestAddress = address;
  }
  if (!best) return false;
  if (best->Name.Long.Zeroes == 0) {
    const char* name = strings + best->Name.Long.Offset;
    CopyName(name, std::strlen(name), out, outSize);
  } else {
    CopyName(best->Name.Short, strnlen(best->Name.Short, 8), out, outSize);
  }
  *offset = preferred - bestAddress;
  return true;
}

}  // namespace CheckedHeap
