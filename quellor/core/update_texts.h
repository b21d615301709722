#pragma once

#include <string>
#include <string_view>

// What the update check says to the user, in code page 1251, and where it sends them.
namespace quellor {

// Reserved for examples (RFC 2606): the maker's real site is configured by whoever ships.
constexpr std::string_view kSiteRoot = "http://www.example.com/";

// "Обновление"
constexpr std::string_view kCaption = "\xCE\xE1\xED\xEE\xE2\xEB\xE5\xED\xE8\xE5";

// "У вас самая последняя версия программы."
constexpr std::string_view kUpToDateText =
    "\xD3 \xE2\xE0\xF1 \xF1\xE0\xEC\xE0\xFF \xEF\xEE\xF1\xEB\xE5\xE4\xED\xFF\xFF "
    "\xE2\xE5\xF0\xF1\xE8\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB.";

// "Доступна новая версия Varnok Wallpaper 2008 (Build <build>). Открыть страничку программы?"
// The same question serves both products.
std::string NewerBuildQuestion(std::string_view published_build);

std::string PageAddress(std::string_view download_page);

}  // namespace quellor
