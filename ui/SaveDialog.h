#pragma once
// TSaveDialog: the platform's file-save dialog as a component. The filter is
// "description|mask|description|mask..."; a mask may list several patterns
// separated by "," or ";".
#include <functional>
#include <string>

#include "Component.h"

class TSaveDialog : public TComponent {
 public:
  explicit TSaveDialog(TComponent* AOwner) : TComponent(AOwner) {}

  std::string Title;
  std::string Filter;
  int FilterIndex = 1;
  std::string DefaultExt;  // without the dot
  std::wstring FileName;   // the chosen file after a successful Execute
  std::wstring InitialDir;

  // Runs the dialog; false when the user cancels. An accepted name without an
  // extension gets the extension of the chosen filter's mask, else DefaultExt.
  bool Execute(void* ownerWindow = nullptr);

  // For tests: replaces the platform dialog. It gets the dialog and returns the
  // name the user would have typed (empty to cancel).
  static void SetChooser(std::function<std::wstring(const TSaveDialog&)> chooser);

  // The extension a mask gives ("*.htm,*.html" gives ".html"; a mask with ".*" none).
  static std::string MaskExtension(const std::string& mask);
  // The mask of filter entry `index` (1-based), or empty.
  std::string FilterMask(int index) const;
  // FileName completed by the extension rules.
  static std::wstring CompleteName(std::wstring name, const std::string& maskExtension,
                                   const std::string& defaultExt);
};
