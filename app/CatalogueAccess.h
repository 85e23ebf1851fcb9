#pragma once
// Where the effect catalogue lies and the statements the window sends to it.
#include <string>

// "Provider=...;Data Source=<exe folder>spect.nht;..." with the executable's folder.
std::string BuildConnectionString();
// Starts deriving the catalogue's key while the window is being built: the first
// query would otherwise spend most of its time on it.
void PrepareCatalogueKey();
// Derives it here and now, for a caller already on a thread of its own.
void DeriveCatalogueKey();

extern const char kCategoryStatement[];  // the category rows
std::string EffectsStatement(int category);
// The code look-up of an effect name. A quote inside the name is doubled, as the
// store's dialect reads it, so any name matches exactly its own rows; ordinary
// names give the plain statement.
std::string LookupStatement(const std::string& name);
extern const char kInsertStatement[];
