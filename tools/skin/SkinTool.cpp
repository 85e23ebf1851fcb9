// sftool: builds, inspects, checks and unpacks skin packages.
#include <cstring>
#include <stdexcept>
#include <iostream>
#include <string>
#include <vector>

#include "SkinChecker.h"
#include "SkinFile.h"
#include "SkinInspector.h"
#include "skin/data/sfSkinFolder.h"
#include "skin/data/sfZLib.h"

namespace {

constexpr const char* kUsage =
    "usage: sftool build <skin folder> <output> [--zlib | --package]\n"
    "         writes a compressed skin file; --zlib the bare zlib stream a program\n"
    "         carries as its stored skin; --package the uncompressed package\n"
    "       sftool inspect <skin folder | skin file>\n"
    "       sftool check <skin folder | skin file>\n"
    "       sftool unpack <skin file> <folder>\n"
    "A skin file is a compressed skin file, a zlib stream or an uncompressed package.\n";

int Build(const std::vector<std::string>& args) {
  if (args.size() < 2 || args.size() > 3) throw std::invalid_argument("build");
  const std::string form = args.size() == 3 ? args[2] : "";
  if (!form.empty() && form != "--zlib" && form != "--package") throw std::invalid_argument(form);
  std::vector<std::uint8_t> zlib = BuildSkinFolder(args[0]);
  if (form == "--zlib")
    WriteFileBytes(args[1], zlib);
  else if (form == "--package")
    WriteFileBytes(args[1], ZDecompress(zlib));
  else
    WriteFileBytes(args[1], CompressedSkinFile(zlib));
  return 0;
}

int Check(const std::string& path) {
  TLoadedSkin skin = LoadSkin(path);
  TSkinCheckResult result = CheckSkin(skin.Package);
  for (const std::string& problem : result.Problems) std::cout << "problem: " << problem << "\n";
  if (!result.Problems.empty()) {
    std::cout << path << ": " << result.Problems.size() << " problem"
              << (result.Problems.size() == 1 ? "" : "s") << "\n";
    return 1;
  }
  std::cout << path << ": ok: " << result.Pictures << " pictures decode, " << result.Places
            << " rectangles and points lie inside their pictures\n";
  return 0;
}

int Run(const std::string& command, const std::vector<std::string>& args) {
  if (command == "build") return Build(args);
  if (command == "inspect" && args.size() == 1) {
    InspectSkin(LoadSkin(args[0]), std::cout);
    return 0;
  }
  if (command == "check" && args.size() == 1) return Check(args[0]);
  if (command == "unpack" && args.size() == 2) {
    WriteSkinFolder(LoadSkin(args[0]).Package, args[1]);
    return 0;
  }
  throw std::invalid_argument(command);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  try {
    return Run(argv[1], std::vector<std::string>(argv + 2, argv + argc));
  } catch (const std::invalid_argument&) {
    std::cerr << kUsage;
    return 2;
  } catch (const Exception& e) {
    std::cerr << "sftool: " << e.Message() << "\n";
    return 1;
  }
}
