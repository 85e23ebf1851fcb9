#pragma once
// Making catalogue files: a new encrypted file with the SPECT table, and rows
// written into it. Used by the catalogue builder and by tests; the program itself
// only reads and inserts through TADOQuery.
#include <filesystem>
#include <string>
#include <vector>

// The password the program's catalogue is made with.
extern const char* const CataloguePassword;

struct TCatalogueRow {
  int ParentID = 0;
  // Code page 936 text.
  std::string EffectName;
  std::string Code;
};

// Creates the file, encrypted under `password` (code page 936), with
// SPECT (ID INTEGER PRIMARY KEY, ParentID INTEGER NOT NULL, EffectName TEXT NOT NULL,
// Code TEXT), its text compared without regard to the case of A to Z. Refuses a file that exists (EDatabaseError).
void CreateCatalogue(const std::filesystem::path& fileName, const std::string& password);

// Appends the rows in this order, all or none.
void AppendCatalogueRows(const std::filesystem::path& fileName, const std::string& password,
                         const std::vector<TCatalogueRow>& rows);

// The connection string TADOQuery takes for that file and password, in the form
// the program builds it.
std::string CatalogueConnectionString(const std::filesystem::path& fileName,
                                      const std::string& password);
