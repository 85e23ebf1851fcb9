#pragma once
// TsfCompressedSkinList: several stored skins in one component, each an item of
// Skins; a skin data loads one of them by position (SkinList, SkinIndex).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sfCompressedStoredSkin.h"
#include "ui/Component.h"

class TsfCompressedSkinList;

class TsfSkinListItem {
 public:
  // `index` is the item's position, which its default name "sfSkin%d" carries.
  TsfSkinListItem(TsfCompressedSkinList& list, int index);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { FName = value; }
  std::string DisplayName() const { return FName; }
  const std::string& Description() const { return FStoredSkin->Description(); }
  void SetDescription(const std::string& value) { FStoredSkin->SetDescription(value); }
  // As those of TsfCompressedStoredSkin: at design time, outside loading, setting a
  // path also builds or reads the skin from it; otherwise the value is only stored.
  const std::string& FileName() const { return FStoredSkin->FileName(); }
  void SetFileName(const std::string& value);
  const std::string& CompressedFileName() const { return FStoredSkin->CompressedFileName(); }
  void SetCompressedFileName(const std::string& value);

  // The stored property: a compressed skin stream (version 3, byte count, zlib stream).
  std::vector<std::uint8_t> Skin() const;
  void SetSkin(const std::vector<std::uint8_t>& bytes);

  TsfCompressedStoredSkin& StoredSkin() { return *FStoredSkin; }
  const TsfCompressedStoredSkin& StoredSkin() const { return *FStoredSkin; }

 private:
  bool ActsOnPaths() const;

  TsfCompressedSkinList& FList;
  std::string FName;
  std::unique_ptr<TsfCompressedStoredSkin> FStoredSkin;
};

class TsfCompressedSkinList : public TComponent {
 public:
  explicit TsfCompressedSkinList(TComponent* AOwner) : TComponent(AOwner) {}

  int SkinCount() const { return static_cast<int>(FSkins.size()); }
  TsfSkinListItem& Skins(int index) { return *FSkins.at(static_cast<size_t>(index)); }
  const TsfSkinListItem& Skins(int index) const { return *FSkins.at(static_cast<size_t>(index)); }
  TsfSkinListItem& AddSkin();
  void DeleteSkin(int index);
  void ClearSkins() { FSkins.clear(); }

 private:
  std::vector<std::unique_ptr<TsfSkinListItem>> FSkins;
};
