#pragma once
// The two rotating promotional links and the fixed addresses of the status bar.
#include <string>

extern const char kSiteBase[];          // the product site, without a trailing slash
extern const char kRecruitmentSite[];   // the outside recruitment site's home page
extern const char kFeedbackMailLink[];  // "Mailto:" address "?subject=...&cc="

struct TPromotionPhase {
  std::string AdsCaption, AdsUrl, Ads2Caption, Ads2Url;
};

// The counter after a tick: one more, back to 0 after 15.
int NextAdCounter(int counter);
// Phase A for 0..5, B for 6..10, C for 11..15.
TPromotionPhase PromotionPhase(int counter);
