#pragma once
// A fresh folder per test under the temp folder, a catalogue file in it, and a
// query named like the program's.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/ADOQuery.h"
#include "db/Catalogue.h"

class CatalogueFixture : public testing::Test {
 protected:
  void SetUp() override {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    Folder = std::filesystem::temp_directory_path() / "tavoro_db_tests" /
             (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Folder);
    Rs = std::make_unique<TADOQuery>(nullptr);
    Rs->SetName("Rs");
  }

  void TearDown() override {
    Rs.reset();
    std::error_code ec;
    std::filesystem::remove_all(Folder, ec);
  }

  std::filesystem::path File() const { return Folder / "spect.nht"; }

  void MakeCatalogue(const std::vector<TCatalogueRow>& rows) {
    CreateCatalogue(File(), CataloguePassword);
    AppendCatalogueRows(File(), CataloguePassword, rows);
  }

  std::string Connection() const { return CatalogueConnectionString(File(), CataloguePassword); }

  // Runs the statement the way the program reads: connect, set, open, walk, close.
  std::vector<std::string> Read(const std::string& statement, const std::string& field) {
    Rs->SetConnectionString(Connection());
    Rs->SQL().SetText(statement);
    Rs->Open();
    std::vector<std::string> values;
    while (!Rs->Eof()) {
      values.push_back(Rs->FieldByName(field).AsString());
      Rs->Next();
    }
    Rs->Close();
    return values;
  }

  std::filesystem::path Folder;
  std::unique_ptr<TADOQuery> Rs;
};

using Strings = std::vector<std::string>;
