#include "core/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

struct ParseCase {
  const char* name;
  std::string bytes;
  Entries entries;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ListFileParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ListFileParse, ReadsEntriesAsTheFormatSays) {
  EXPECT_EQ(core::parseListFile(GetParam().bytes), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFileParse,
    testing::Values(
        ParseCase{"crlf", "C:\\a.jpg\r\nD:\\b.bmp\r\n", {"C:\\a.jpg", "D:\\b.bmp"}},
        ParseCase{"lf", "C:\\a.jpg\nD:\\b.bmp\n", {"C:\\a.jpg", "D:\\b.bmp"}},
        ParseCase{"cr", "C:\\a.jpg\rD:\\b.bmp\r", {"C:\\a.jpg", "D:\\b.bmp"}},
        ParseCase{"no_end_on_last_line", "C:\\a.jpg\r\nD:\\b.bmp", {"C:\\a.jpg", "D:\\b.bmp"}},
        ParseCase{"empty_line_in_middle", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        ParseCase{"lf_cr_is_two_ends", "a\n\rb", {"a", "", "b"}},
        ParseCase{"nul_ends_text", std::string("a\r\nb\0c\r\nd\r\n", 11), {"a", "b"}},
        ParseCase{"empty_file", "", {}}, ParseCase{"lone_line_end", "\r\n", {""}},
        ParseCase{"duplicates_and_blanks_kept", " x \r\n x \r\n", {" x ", " x "}},
        ParseCase{"high_bytes_kept", "C:\\\xCE\xE1\xEE\xE8.jpg\r\n", {"C:\\\xCE\xE1\xEE\xE8.jpg"}}),
    [](const testing::TestParamInfo<ParseCase>& c) { return c.param.name; });

TEST(ListFileFormat, EndsEveryLineWithCrLf) {
  EXPECT_EQ(core::formatListFile({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(core::formatListFile({}), "");
}

TEST(ListFileFormat, RewritesACrLfFileByteForByte) {
  const std::string bytes = "C:\\x\\1.jpg\r\n\r\nD:pic.png\r\n\xFF\xFE\r\n";
  EXPECT_EQ(core::formatListFile(core::parseListFile(bytes)), bytes);
}

TEST(ListFileParse, ReadsHugeAndHostileInput) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "C:\\pictures\\" + std::to_string(i) + ".jpg\n";
  EXPECT_EQ(core::parseListFile(bytes).size(), 100000u);

  const std::string longLine(10000, 'x');
  EXPECT_EQ(core::parseListFile(longLine + "\r" + longLine), (Entries{longLine, longLine}));

  std::string binary;
  for (int i = 1; i < 256; ++i) binary += static_cast<char>(i);
  Entries expected{std::string(binary.begin(), binary.begin() + 9),
                   std::string(binary.begin() + 10, binary.begin() + 12),
                   std::string(binary.begin() + 13, binary.end())};
  EXPECT_EQ(core::parseListFile(binary), expected);
}

}  // namespace
