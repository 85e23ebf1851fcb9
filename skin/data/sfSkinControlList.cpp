// The kinds of [SKINCONTROLS] and the reading and writing of the list.
#include <typeinfo>

#include "sfDataSkinControl.h"
#include "sfDataSkinExtraControls.h"

namespace {

constexpr const char* kSkinControls = "SKINCONTROLS";

struct TKind {
  const char* Name;
  std::unique_ptr<TsfDataSkinControl> (*Create)(std::string);
  const std::type_info& Type;
};

template <class T>
std::unique_ptr<TsfDataSkinControl> Make(std::string name) {
  return std::make_unique<T>(std::move(name));
}

template <class T>
TKind Kind(const char* name) {
  return {name, Make<T>, typeid(T)};
}

const TKind kKinds[] = {
    Kind<TsfDataSkinPanelControl>("panel"),
    Kind<TsfDataSkinExPanelControl>("expanel"),
    Kind<TsfDataSkinMenuButtonControl>("menubutton"),
    Kind<TsfDataSkinButtonControl>("button"),
    Kind<TsfDataSkinCheckRadioControl>("checkradio"),
    Kind<TsfDataSkinGaugeControl>("gauge"),
    Kind<TsfDataSkinSplitterControl>("splitter"),
    Kind<TsfDataSkinTrackBarControl>("trackbar"),
    Kind<TsfDataSkinLabelControl>("label"),
    Kind<TsfDataSkinStdLabelControl>("stdlabel"),
    Kind<TsfDataSkinUpDownControl>("updown"),
    Kind<TsfDataSkinGridControl>("grid"),
    Kind<TsfDataSkinTabControl>("tab"),
    Kind<TsfDataSkinMainMenuBar>("mainmenubar"),
    Kind<TsfDataSkinControlBar>("controlbar"),
    Kind<TsfDataSkinMemoControl>("memo"),
    Kind<TsfDataSkinEditControl>("edit"),
    Kind<TsfDataSkinCheckListBox>("checklistbox"),
    Kind<TsfDataSkinListBox>("listbox"),
    Kind<TsfDataSkinComboBox>("combobox"),
    Kind<TsfDataSkinScrollBarControl>("scrollbar"),
    Kind<TsfDataSkinSpinEditControl>("spinedit"),
    Kind<TsfDataSkinScrollBoxControl>("scrollbox"),
    Kind<TsfDataSkinTreeView>("treeview"),
    Kind<TsfDataSkinBevel>("bevel"),
    Kind<TsfDataSkinSlider>("slider"),
    Kind<TsfDataSkinListView>("listview"),
    Kind<TsfDataSkinRichEdit>("richedit"),
};

}  // namespace

std::unique_ptr<TsfDataSkinControl> CreateSkinControl(std::string_view kind, std::string name) {
  for (const TKind& k : kKinds)
    if (kind == k.Name) return k.Create(std::move(name));
  return nullptr;
}

std::string SkinControlKind(const TsfDataSkinControl& control) {
  for (const TKind& k : kKinds)
    if (typeid(control) == k.Type) return k.Name;
  return "";
}

void ReadSkinControls(const TsfIniFile& ini, TsfSkinControlList& list) {
  int count = ini.ReadInteger(kSkinControls, "count", 0);
  // A missing entry has no ":" and so no kind: skipping the absent numbers is the same.
  for (auto& [index, entry] : ini.ReadNumberedKeys(kSkinControls, count)) {
    size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    auto control = CreateSkinControl(std::string_view(entry).substr(colon + 1), entry.substr(0, colon));
    if (!control) continue;
    control->ReadDefinition(ini);
    list.push_back(std::move(control));
  }
}

void WriteSkinControls(TsfIniFile& ini, const TsfSkinControlList& list) {
  ini.EraseSection(kSkinControls);
  ini.WriteInteger(kSkinControls, "count", static_cast<int>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    ini.WriteString(kSkinControls, std::to_string(i),
                    list[i]->IDName + ":" + SkinControlKind(*list[i]));
    list[i]->WriteDefinition(ini);
  }
}
