#include "update_decision.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <string>
#include <string_view>

#include "case_name.h"
#include "update_texts.h"

namespace quellor {
namespace {

// Reads the message texts back as UTF-8, so that expectations are written in plain Russian.
std::string Utf8FromCp1251(std::string_view text) {
  std::string utf8;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    unsigned code_point = byte;
    if (byte >= 0xC0) {
      code_point = 0x410 + (byte - 0xC0u);
    } else if (byte == 0xA8 || byte == 0xB8) {
      code_point = byte == 0xA8 ? 0x401 : 0x451;
    } else if (byte >= 0x80) {
      ADD_FAILURE() << "unexpected byte " << unsigned{byte};
    }
    if (code_point < 0x80) {
      utf8 += static_cast<char>(code_point);
    } else {
      utf8 += static_cast<char>(0xC0 | (code_point >> 6));
      utf8 += static_cast<char>(0x80 | (code_point & 0x3F));
    }
  }
  return utf8;
}

TEST(QuellorUpdateTexts, AreTheRussianTexts) {
  EXPECT_EQ(Utf8FromCp1251(kCaption), "Обновление");
  EXPECT_EQ(Utf8FromCp1251(kUpToDateText), "У вас самая последняя версия программы.");
}

using Say = UpdateDecision::Say;

struct CheckCase {
  const char* name;
  std::string version_file;
  std::int32_t selector;
  const char* own_build;
  std::int32_t quiet;
  Say say;
  std::string question_build;  // the build that the question names
  std::string page_address;
};

// Shown by name in test listings, not as raw bytes.
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

const std::string kBothProducts = "WallpaperBuild 281\nConverterBuild 300\n";

const CheckCase kCases[] = {
    {"SameBuildQuiet", "WallpaperBuild 280\n", 0, "280", 1, Say::kNothing, "", ""},
    {"SameBuildAloud", "WallpaperBuild 280\n", 0, "280", 0, Say::kUpToDate, "", ""},
    {"NewerBuildQuiet", "WallpaperBuild 281\n", 0, "280", 1, Say::kNewerBuild, "281",
     "http://www.example.com/wallpaper.php"},
    {"NewerBuildAloud", "WallpaperBuild 281\n", 0, "280", 0, Say::kNewerBuild, "281",
     "http://www.example.com/wallpaper.php"},
    {"ThousandIsTextuallyOlder", "WallpaperBuild 1000", 0, "280", 0, Say::kUpToDate, "", ""},
    {"TwentyNineIsTextuallyNewer", "WallpaperBuild 29", 0, "280", 0, Say::kNewerBuild, "29",
     "http://www.example.com/wallpaper.php"},
    {"PrefixIsOlder", "WallpaperBuild 28", 0, "280", 0, Say::kUpToDate, "", ""},
    {"LongerIsNewer", "WallpaperBuild 2800", 0, "280", 0, Say::kNewerBuild, "2800",
     "http://www.example.com/wallpaper.php"},
    {"BytesCompareUnsigned", "WallpaperBuild \xE9", 0, "9", 0, Say::kNewerBuild, "\xE9",
     "http://www.example.com/wallpaper.php"},
    {"OlderPublished", "WallpaperBuild 279", 0, "280", 0, Say::kUpToDate, "", ""},
    {"ConverterSecondLine", kBothProducts, 1, "280", 0, Say::kNewerBuild, "300",
     "http://www.example.com/converter.php"},
    {"ConverterMissing", "WallpaperBuild 999\n", 1, "280", 0, Say::kUpToDate, "", ""},
    {"UnknownSelectorAloud", kBothProducts, 2, "280", 0, Say::kUpToDate, "", ""},
    {"UnknownSelectorQuiet", kBothProducts, -1, "280", 1, Say::kNothing, "", ""},
    {"EmptyFileAloud", "", 0, "280", 0, Say::kUpToDate, "", ""},
    {"EmptyPublishedNeverNewerEvenThanEmpty", "", 0, "", 0, Say::kUpToDate, "", ""},
    {"AnyPublishedBeatsEmptyOwn", "WallpaperBuild 1", 0, "", 1, Say::kNewerBuild, "1",
     "http://www.example.com/wallpaper.php"},
    {"OnlyLowestQuietByteCounts", "WallpaperBuild 280", 0, "280", 0x100, Say::kUpToDate, "", ""},
    {"HighQuietBitsAloneAreAloud", "WallpaperBuild 280", 0, "280", -256, Say::kUpToDate, "", ""},
    {"AnyLowQuietByteIsQuiet", "WallpaperBuild 280", 0, "280", 0x180, Say::kNothing, "", ""},
};

class QuellorUpdateDecision : public testing::TestWithParam<CheckCase> {};

TEST_P(QuellorUpdateDecision, SaysWhatTheBuildsCall) {
  const CheckCase& c = GetParam();
  const UpdateDecision decision = DecideUpdate(c.version_file, c.selector, c.own_build, c.quiet);
  EXPECT_EQ(decision.say, c.say);
  EXPECT_EQ(decision.page_address, c.page_address);
  if (c.say == Say::kNewerBuild) {
    EXPECT_EQ(Utf8FromCp1251(decision.question),
              "Доступна новая версия Varnok Wallpaper 2008 (Build " +
                  Utf8FromCp1251(c.question_build) + "). Открыть страничку программы?");
  } else {
    EXPECT_EQ(decision.question, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Checks, QuellorUpdateDecision, testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace quellor
