#pragma once
// The catalogue tool's work on a catalogue file (spect.nht, under the program's
// password): building it from the sources, reading it back the way the program
// does, and writing its effects out again.
#include <filesystem>
#include <string>

#include "CatalogueContent.h"

// Builds `file` from the source folder (see CatalogueSource.h). The file is written
// as "<file>.tmp" beside it and renamed over `file` only when complete, so a build
// that fails or is interrupted leaves the previous file as it was. Returns what was
// built.
TCatalogueContent BuildCatalogue(const std::filesystem::path& sourceFolder,
                                 const std::filesystem::path& file);

// Every category row in the file's order, each with the effects whose ParentID is
// its number, read with the statements the program sends.
TCatalogueContent ReadCatalogue(const std::filesystem::path& file);

// Writes every effect back as <folder>/<caption>/<name>.html in source form (UTF-8,
// LF), replacing files of the same names; the folder and category folders are made
// as needed. Refuses an effect whose name cannot be a file name.
void ExportCatalogue(const TCatalogueContent& content, const std::filesystem::path& folder);

// Appends the effect of `html` (named after the file) to the category with that
// caption. Refuses a caption the file has no category for and a name already in it.
// Returns the effect's name.
std::string ImportEffect(const std::filesystem::path& file, const std::string& caption,
                         const std::filesystem::path& html);

// Writes every effect's Code as it is, as the program's Preview writes example.htm,
// to <folder>/<category number>-<effect number>.htm ("03-007.htm"), and lists them in
// <folder>/index.txt, one "file<TAB>caption<TAB>name" line each, in UTF-8.
void WritePreviews(const TCatalogueContent& content, const std::filesystem::path& folder);
