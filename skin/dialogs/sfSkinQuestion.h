#pragma once
// A question with OK and Cancel in a small skinned form. A message-box handler
// installed for tests answers it instead, as it answers every box.
#include <string>

#include "ui/WinHandles.h"

class TsfSkinData;

// True when the user answered OK. The form is owned by `owner`'s top-level window
// (the active form when it is nullptr) and opens centred on it.
bool SkinQuestion(HWND owner, const std::string& text, const std::string& caption,
                  TsfSkinData* frameSkin, TsfSkinData* ctrlSkin);
