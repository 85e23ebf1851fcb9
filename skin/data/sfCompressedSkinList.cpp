#include "sfCompressedSkinList.h"

#include <sstream>

#include "sfText.h"

TsfSkinListItem::TsfSkinListItem(TsfCompressedSkinList& list, int index)
    : FList(list),
      FName(Format("sfSkin%d", index)),
      FStoredSkin(std::make_unique<TsfCompressedStoredSkin>(nullptr)) {}

bool TsfSkinListItem::ActsOnPaths() const { return FList.IsDesigning() && !FList.IsLoading(); }

void TsfSkinListItem::SetFileName(const std::string& value) {
  if (!ActsOnPaths()) {
    FStoredSkin->SetFileName(value);
    return;
  }
  FStoredSkin->SetFileName(sf::ExtractFileName(value));
  FStoredSkin->BuildFromIniFile(std::filesystem::path(value));
}

void TsfSkinListItem::SetCompressedFileName(const std::string& value) {
  if (!ActsOnPaths()) {
    FStoredSkin->SetCompressedFileName(value);
    return;
  }
  FStoredSkin->SetCompressedFileName(sf::ExtractFileName(value));
  FStoredSkin->ReadCompressedFile(std::filesystem::path(value));
}

std::vector<std::uint8_t> TsfSkinListItem::Skin() const {
  std::ostringstream stream(std::ios::binary);
  FStoredSkin->WriteCompressedStream(stream);
  const std::string bytes = stream.str();
  return {bytes.begin(), bytes.end()};
}

void TsfSkinListItem::SetSkin(const std::vector<std::uint8_t>& bytes) {
  std::istringstream stream(std::string(bytes.begin(), bytes.end()), std::ios::binary);
  FStoredSkin->ReadCompressedStream(stream);
}

TsfSkinListItem& TsfCompressedSkinList::AddSkin() {
  FSkins.push_back(std::make_unique<TsfSkinListItem>(*this, SkinCount()));
  return *FSkins.back();
}

void TsfCompressedSkinList::DeleteSkin(int index) {
  if (index < 0 || index >= SkinCount()) return;
  FSkins.erase(FSkins.begin() + index);
}
