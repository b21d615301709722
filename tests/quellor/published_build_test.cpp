#include "published_build.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <string>

#include "case_name.h"

namespace quellor {
namespace {

struct VersionFileCase {
  const char* name;
  std::string version_file;
  std::int32_t selector;
  std::string build;
};

// Shown by name in test listings, not as raw bytes.
void PrintTo(const VersionFileCase& c, std::ostream* os) { *os << c.name; }

const std::string kBothProducts = "WallpaperBuild 281\r\nConverterBuild 15\r\n";

const VersionFileCase kCases[] = {
    {"WallpaperLine", "WallpaperBuild 280", 0, "280"},
    {"WallpaperOfTwoLines", kBothProducts, 0, "281"},
    {"ConverterOnSecondLine", kBothProducts, 1, "15"},
    {"MarkerTouchingBuild", "WallpaperBuild281\n", 0, "281"},
    {"BlanksOfEveryKind", "WallpaperBuild \t\r\n\v\f 281 rest", 0, "281"},
    {"BuildEndsAtAnyBlank", "WallpaperBuild 28\f1", 0, "28"},
    {"HighBytesBelongToTheBuild", "WallpaperBuild 2\xE9\xA0", 0, "2\xE9\xA0"},
    {"LineEndBeforeWallpaperMarker", "\r\nWallpaperBuild 281", 0, ""},
    {"ByteOrderMarkBeforeWallpaperMarker", "\xEF\xBB\xBFWallpaperBuild 281", 0, ""},
    {"WallpaperMarkerLaterInFile", "Build list\nWallpaperBuild 281", 0, ""},
    {"MarkerInOtherCase", "wallpaperbuild 281", 0, ""},
    {"MarkerCutShort", "WallpaperBuil 281", 0, ""},
    {"MarkerWithNothingAfter", "WallpaperBuild \r\n\t", 0, ""},
    {"ConverterMarkerAnywhereOnALine", "<p>ConverterBuild\t16</p>", 1, "16</p>"},
    {"FirstConverterMarkerCounts", "ConverterBuild 12 ConverterBuild 99", 1, "12"},
    {"ConverterWithoutMarker", "WallpaperBuild 281\r\n", 1, ""},
    {"ConverterMarkerDoesNotServeWallpaper", "ConverterBuild 15", 0, ""},
    {"SevenCharactersFit", "WallpaperBuild 1234567\n", 0, "1234567"},
    {"EightCharactersRefused", "WallpaperBuild 12345678\n", 0, ""},
    {"TenThousandCharactersRefused", "WallpaperBuild " + std::string(10000, '9'), 0, ""},
    {"LongConverterBuildRefused", "x\nConverterBuild " + std::string(10000, '7'), 1, ""},
};

class QuellorPublishedBuild : public testing::TestWithParam<VersionFileCase> {};

TEST_P(QuellorPublishedBuild, ReadsTheSelectedProductsBuild) {
  const VersionFileCase& c = GetParam();
  EXPECT_EQ(PublishedBuild(c.version_file, *ProductOf(c.selector)), c.build);
}

INSTANTIATE_TEST_SUITE_P(VersionFiles, QuellorPublishedBuild, testing::ValuesIn(kCases),
                         CaseName());

}  // namespace
}  // namespace quellor
