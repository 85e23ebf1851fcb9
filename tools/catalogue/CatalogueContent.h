#pragma once
// The catalogue as the tool handles it: the fixed categories in their order, each
// with its effects in order. Names and code are code page 936 text.
#include <filesystem>
#include <string>
#include <vector>

#include "db/Catalogue.h"

struct TCatalogueEffect {
  std::string Name;
  std::string Code;
  // The source file it came from (empty when read from a catalogue file).
  std::filesystem::path File;
};

struct TCatalogueCategory {
  std::string Caption;
  std::vector<TCatalogueEffect> Effects;
};

using TCatalogueContent = std::vector<TCatalogueCategory>;

// The captions of the program's categories, in the order of their numbers (the
// admin row lists the same thirteen).
const std::vector<std::string>& CategoryCaptions();
// Index of the caption in CategoryCaptions(), or -1.
int CategoryIndex(const std::string& caption);
// The thirteen categories with no effects.
TCatalogueContent EmptyCatalogue();

// The rows of the catalogue file: every category row (ParentID 0, Code empty) first,
// then the effects of each category in turn (ParentID = its number).
std::vector<TCatalogueRow> CatalogueRows(const TCatalogueContent& content);

// Number of effects over all categories.
int EffectCount(const TCatalogueContent& content);
