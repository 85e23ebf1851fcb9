#include "app/Promotions.h"

const char kSiteBase[] = "http://www.tavoro.example";
const char kRecruitmentSite[] = "http://www.zhaopin-tavoro.example/";
const char kFeedbackMailLink[] =
    "Mailto:feedback@tavoro.example?subject=“Tavoro网页特效集”用户意见或建议&cc=";

int NextAdCounter(int counter) {
  ++counter;
  return counter > 15 ? 0 : counter;
}

TPromotionPhase PromotionPhase(int counter) {
  const std::string site = kSiteBase;
  if (counter < 6)
    return {"全球五百强纯女性公司招聘", kRecruitmentSite, "Photoshop基础教程(视频)",
            site + "/list.asp?id=99"};
  if (counter < 11)
    return {"注册积分乐园送免费游戏币", site + "/tuijian/jifen.htm", "魔法诱惑魔术教程(视频)",
            site + "/list.asp?id=5"};
  return {"易购商城网上购物天天特价", site + "/ads/shop.htm", "王老师英语口语视频教程",
          site + "/list.asp?id=75"};
}
