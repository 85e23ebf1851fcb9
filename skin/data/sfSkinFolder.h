#pragma once
// A skin package written back out as a skin folder: the definition text and each
// picture under the file name its [PICTURES] entry gives, so that building the
// folder again gives the same package.
#include <filesystem>
#include <string>

#include "sfSkinPackage.h"
#include "ui/Exception.h"

// A package that cannot become a folder: a picture without a file name, or a name
// that is not a plain file name (a folder part, "." or "..").
class EsfSkinFolderError : public Exception { using Exception::Exception; };

// Creates `folder` when needed and writes `iniName` and the pictures into it; a file
// that cannot be written raises EInOutError ("Unable to write to %s").
void WriteSkinFolder(const TsfSkinPackage& package, const std::filesystem::path& folder,
                     const std::string& iniName = "skin.ini");
