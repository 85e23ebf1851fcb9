#include "sfEmbeddedSkin.h"

#include <windows.h>

#include <string>

namespace {

std::string ResourceNameText(const wchar_t* name) {
  if (IS_INTRESOURCE(name)) return std::to_string(reinterpret_cast<std::uintptr_t>(name));
  std::string text;
  for (const wchar_t* p = name; *p; ++p) text += *p < 128 ? static_cast<char>(*p) : '?';
  return text;
}

}  // namespace

std::vector<std::uint8_t> LoadEmbeddedSkinResource(const wchar_t* name, HINSTANCE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  // A resource is never freed or unlocked: it lives as long as the module.
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes)
    throw EResNotFound(Format("Resource %s not found", ResourceNameText(name).c_str()));
  const auto* first = static_cast<const std::uint8_t*>(bytes);
  return std::vector<std::uint8_t>(first, first + SizeofResource(module, info));
}
