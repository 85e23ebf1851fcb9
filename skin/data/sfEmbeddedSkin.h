#pragma once
// The stored skin the program carries: the zlib stream of its skin package (the
// CompressedData of a TsfCompressedStoredSkin), built from resources/skin when the
// program is built and linked in as an RCDATA resource.
#include <cstdint>
#include <vector>

#include "ui/Exception.h"
#include "ui/WinHandles.h"

// No resource of that name and type ("Resource %s not found").
class EResNotFound : public Exception { using Exception::Exception; };

// The name of the program's own skin resource.
inline constexpr const wchar_t* kStoredSkinResource = L"STOREDSKIN";

// A copy of the bytes of RCDATA resource `name` in `module` (the executable when
// nullptr).
std::vector<std::uint8_t> LoadEmbeddedSkinResource(const wchar_t* name = kStoredSkinResource,
                                                   HINSTANCE module = nullptr);
