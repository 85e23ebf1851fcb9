#pragma once
// TsfSkinSaveDialog: the skinned file dialog in save mode.
#include "sfSkinOpenDialog.h"

class TsfSkinSaveDialog : public TsfSkinOpenDialog {
 public:
  explicit TsfSkinSaveDialog(TComponent* AOwner) : TsfSkinOpenDialog(AOwner) {
    FSaveMode = true;
    SetTitle("Save file");
  }
};
