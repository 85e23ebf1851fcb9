#include "CatalogueContent.h"

const std::vector<std::string>& CategoryCaptions() {
  static const std::vector<std::string> captions = {
      "菜单导航", "日期时间", "图片背景", "图层样式", "键盘鼠标", "页面窗口", "表格色彩",
      "链接文字", "表单按钮", "计数转换", "游戏测试", "综合实例", "广告代码"};
  return captions;
}

int CategoryIndex(const std::string& caption) {
  const std::vector<std::string>& captions = CategoryCaptions();
  for (size_t i = 0; i < captions.size(); ++i)
    if (captions[i] == caption) return static_cast<int>(i);
  return -1;
}

TCatalogueContent EmptyCatalogue() {
  TCatalogueContent content;
  for (const std::string& caption : CategoryCaptions()) content.push_back({caption, {}});
  return content;
}

std::vector<TCatalogueRow> CatalogueRows(const TCatalogueContent& content) {
  std::vector<TCatalogueRow> rows;
  for (const TCatalogueCategory& category : content) rows.push_back({0, category.Caption, ""});
  for (size_t i = 0; i < content.size(); ++i)
    for (const TCatalogueEffect& effect : content[i].Effects)
      rows.push_back({static_cast<int>(i) + 1, effect.Name, effect.Code});
  return rows;
}

int EffectCount(const TCatalogueContent& content) {
  int count = 0;
  for (const TCatalogueCategory& category : content) count += static_cast<int>(category.Effects.size());
  return count;
}
