#include "update_texts.h"

namespace quellor {

std::string NewerBuildQuestion(std::string_view published_build) {
  // "Доступна новая версия Varnok Wallpaper 2008 (Build "
  std::string question =
      "\xC4\xEE\xF1\xF2\xF3\xEF\xED\xE0 \xED\xEE\xE2\xE0\xFF \xE2\xE5\xF0\xF1\xE8\xFF "
      "Varnok Wallpaper 2008 (Build ";
  question += published_build;
  // "). Открыть страничку программы?"
  question +=
      "). \xCE\xF2\xEA\xF0\xFB\xF2\xFC \xF1\xF2\xF0\xE0\xED\xE8\xF7\xEA\xF3 "
      "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB?";
  return question;
}

std::string PageAddress(std::string_view download_page) {
  std::string address(kSiteRoot);
  address += download_page;
  return address;
}

}  // namespace quellor
