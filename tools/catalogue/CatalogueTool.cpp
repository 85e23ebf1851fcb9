#include "CatalogueTool.h"

#include <filesystem>
#include <functional>
#include <map>

#include "CatalogueError.h"
#include "CatalogueFile.h"
#include "CatalogueSource.h"
#include "ui/CodePage.h"

namespace fs = std::filesystem;

namespace {

using TArgs = std::vector<std::wstring>;

const char Usage[] =
    "usage: catalogue_tool build <catalogue folder> <spect.nht>\n"
    "       catalogue_tool list <spect.nht>\n"
    "       catalogue_tool export <spect.nht> <folder>\n"
    "       catalogue_tool import <spect.nht> <category caption> <file.html>\n"
    "       catalogue_tool preview <spect.nht> <folder>\n";

std::string Summary(const fs::path& file, const TCatalogueContent& content) {
  return Format("%s: %d categories, %d effects\n", PathText(file).c_str(),
                static_cast<int>(content.size()), EffectCount(content));
}

std::string Build(const TArgs& args) {
  return Summary(args[2], BuildCatalogue(args[1], args[2]));
}

std::string List(const TArgs& args) {
  std::string text;
  const TCatalogueContent content = ReadCatalogue(args[1]);
  for (size_t i = 0; i < content.size(); ++i) {
    text += Format("%d %s (%d)\n", static_cast<int>(i) + 1, content[i].Caption.c_str(),
                   static_cast<int>(content[i].Effects.size()));
    for (const TCatalogueEffect& effect : content[i].Effects) text += "    " + effect.Name + "\n";
  }
  return text;
}

std::string Export(const TArgs& args) {
  const TCatalogueContent content = ReadCatalogue(args[1]);
  ExportCatalogue(content, args[2]);
  return Format("%d effects written to %s\n", EffectCount(content), PathText(args[2]).c_str());
}

std::string Import(const TArgs& args) {
  const std::string caption = WideToAnsi(args[2]);
  const std::string name = ImportEffect(args[1], caption, args[3]);
  return Format("'%s' added to %s\n", name.c_str(), caption.c_str());
}

std::string Preview(const TArgs& args) {
  const TCatalogueContent content = ReadCatalogue(args[1]);
  WritePreviews(content, args[2]);
  return Format("%d pages written to %s\n", EffectCount(content), PathText(args[2]).c_str());
}

struct TCommand {
  size_t ArgCount;
  std::function<std::string(const TArgs&)> Run;
};

const std::map<std::wstring, TCommand>& Commands() {
  static const std::map<std::wstring, TCommand> commands = {
      {L"build", {3, Build}},   {L"list", {2, List}},       {L"export", {3, Export}},
      {L"import", {4, Import}}, {L"preview", {3, Preview}},
  };
  return commands;
}

}  // namespace

int RunCatalogueTool(const TArgs& args, std::string& output, std::string& errors) {
  const auto command = args.empty() ? Commands().end() : Commands().find(args[0]);
  if (command == Commands().end() || command->second.ArgCount != args.size()) {
    errors += Usage;
    return 2;
  }
  try {
    output += command->second.Run(args);
    return 0;
  } catch (const Exception& e) {
    errors += e.Message() + "\n";
  } catch (const std::exception& e) {
    // The standard library's (file system) errors: their text is the platform's.
    errors += std::string(e.what()) + "\n";
  }
  return 1;
}
