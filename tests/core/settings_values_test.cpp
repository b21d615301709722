#include "core/settings_values.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/errors.h"

namespace core {
namespace {

using ::testing::AnyOfArray;
using ::testing::Each;
using ::testing::IsEmpty;
using ::testing::Lt;
using ::testing::Not;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

constexpr std::int32_t pattern(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

TEST(SettingsIntegers, ReadsDecimalAndHexadecimalForms) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"42", 42},
      {" 42", 42},
      {"\t \t42", 42},
      {"-7", -7},
      {"+7", 7},
      {"0", 0},
      {"007", 7},
      {"2147483647", kMax},
      {"-2147483648", kMin},
      {"$FF", 255},
      {"$ff", 255},
      {"0x0000FF", 255},
      {"0XfF", 255},
      {" -$10", -16},
      {"-0x10", -16},
      {"$80000005", pattern(0x80000005u)},
      {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},
      {"$000000000FF", 255},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseInteger(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(SettingsIntegers, RejectsAnythingElse) {
  const char* texts[] = {
      "",   "   ",  "abc",  "12abc", "42 ", "4 2",        "2147483648",  "-2147483649",
      "$",  "0x",   "-",    "+",     "+-5", "- 5",        "$-5",         "$+5",
      "$G", "0x$5", "$0x5", "x5",    "1e3", "$100000000", "0x1FFFFFFFF", "99999999999",
  };
  for (const char* text : texts) {
    EXPECT_EQ(parseInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(SettingsFlags, AreTrueWhenNotZero) {
  struct Case {
    const char* text;
    std::optional<bool> expected;
  } cases[] = {
      {"1", true},
      {"0", false},
      {"2", true},
      {"-1", true},
      {"$0", false},
      {"yes", std::nullopt},
      {"true", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseFlag(c.text), c.expected) << '"' << c.text << '"';
  }
}

const char* const kColorNames[] = {
    "clBlack",
    "clMaroon",
    "clGreen",
    "clOlive",
    "clNavy",
    "clPurple",
    "clTeal",
    "clGray",
    "clSilver",
    "clRed",
    "clLime",
    "clYellow",
    "clBlue",
    "clFuchsia",
    "clAqua",
    "clWhite",
    "clMoneyGreen",
    "clSkyBlue",
    "clCream",
    "clMedGray",
    "clActiveBorder",
    "clActiveCaption",
    "clAppWorkSpace",
    "clBackground",
    "clBtnFace",
    "clBtnHighlight",
    "clBtnShadow",
    "clBtnText",
    "clCaptionText",
    "clDefault",
    "clGradientActiveCaption",
    "clGradientInactiveCaption",
    "clGrayText",
    "clHighlight",
    "clHighlightText",
    "clHotLight",
    "clInactiveBorder",
    "clInactiveCaption",
    "clInactiveCaptionText",
    "clInfoBk",
    "clInfoText",
    "clMenu",
    "clMenuBar",
    "clMenuHighlight",
    "clMenuText",
    "clNone",
    "clScrollBar",
    "cl3DDkShadow",
    "cl3DLight",
    "clWindow",
    "clWindowFrame",
    "clWindowText",
};

TEST(SettingsColors, EveryNameRoundTrips) {
  for (const char* name : kColorNames) {
    EXPECT_EQ(colorToString(stringToColor(name)), name);
  }
}

TEST(SettingsColors, NamesHaveTheirValues) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"clBlack", 0x000000},
      {"clRed", 0x0000FF},
      {"clBlue", 0xFF0000},
      {"clSkyBlue", 0xF0CAA6},
      {"clMedGray", 0xA4A0A0},
      {"clScrollBar", pattern(0x80000000u)},
      {"clBtnFace", pattern(0x8000000Fu)},
      {"clHotLight", pattern(0x8000001Au)},
      {"clGradientActiveCaption", pattern(0x8000001Bu)},
      {"clMenuBar", pattern(0x8000001Eu)},
      {"clNone", 0x1FFFFFFF},
      {"clDefault", 0x20000000},
      {"clfuchsia", 0xFF00FF},
      {"CLWHITE", 0xFFFFFF},
      {"$000000FF", 0x0000FF},
      {"0x0000FF", 0x0000FF},
      {"255", 0x0000FF},
      {"$80000019", pattern(0x80000019u)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stringToColor(c.text), c.expected) << c.text;
  }
}

TEST(SettingsColors, ColorsWithoutANameWriteAsHexadecimal) {
  struct Case {
    std::int32_t color;
    const char* expected;
  } cases[] = {
      {0x123456, "$00123456"}, {0x00ABCDEF, "$00ABCDEF"},           {1, "$00000001"},
      {-1, "$FFFFFFFF"},       {pattern(0x80000019u), "$80000019"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(colorToString(c.color), c.expected);
    EXPECT_EQ(stringToColor(c.expected), c.color);
  }
}

TEST(SettingsColors, OtherTextsAreAConversionError) {
  for (const char* text : {"pink", "", "clPink", " clRed", "$"}) {
    try {
      stringToColor(text);
      ADD_FAILURE() << "no error for \"" << text << '"';
    } catch (const ConvertError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

// A keyboard layout with a few names of its own; records what it is asked.
class FakeKeyNames : public KeyNames {
 public:
  std::string keyName(std::uint8_t virtualKey) const override {
    asked.push_back(virtualKey);
    auto found = names.find(virtualKey);
    return found == names.end() ? std::string() : found->second;
  }

  std::map<std::uint8_t, std::string> names = {
      {0x90, "Num Lock"}, {0xBA, ";"}, {0xC0, "\xB8"}, {0xDE, "\xDD"}};
  mutable std::vector<std::uint8_t> asked;
};

constexpr std::uint16_t kShift = kShortCutShift;
constexpr std::uint16_t kCtrl = kShortCutCtrl;
constexpr std::uint16_t kAlt = kShortCutAlt;

TEST(SettingsShortCuts, WriteAndReadBack) {
  struct Case {
    std::uint16_t shortcut;
    const char* text;
  } cases[] = {
      {0, ""},
      {'A', "A"},
      {'0', "0"},
      {kCtrl | kAlt | 'W', "Ctrl+Alt+W"},
      {kShift | kCtrl | kAlt | 0x2E, "Shift+Ctrl+Alt+Del"},
      {kShift | 0x08, "Shift+BkSp"},
      {0x09, "Tab"},
      {0x0D, "Enter"},
      {0x1B, "Esc"},
      {0x20, "Space"},
      {0x22, "PgDn"},
      {0x28, "Down"},
      {0x2D, "Ins"},
      {0x70, "F1"},
      {kCtrl | 0x74, "Ctrl+F5"},
      {0x87, "F24"},
      {kCtrl | 0x90, "Ctrl+Num Lock"},
      {kAlt | 0xBA, "Alt+;"},
      {kShift | 0xDE, "Shift+\xDD"},
  };
  FakeKeyNames names;
  for (const Case& c : cases) {
    EXPECT_EQ(shortCutToText(c.shortcut, names), c.text);
    EXPECT_EQ(textToShortCut(c.text, names), c.shortcut) << c.text;
  }
}

TEST(SettingsShortCuts, ReadPrefixesInAnyOrderAndCase) {
  struct Case {
    const char* text;
    std::uint16_t expected;
  } cases[] = {
      {"alt+ctrl+w", kCtrl | kAlt | 'W'},
      {"^F5", kCtrl | 0x74},
      {"^f5", kCtrl | 0x74},
      {"CTRL+^shift+x", kShift | kCtrl | 'X'},
      {"Shift+shift+a", kShift | 'A'},
      {"esc", 0x1B},
      {"num lock", 0x90},
      {"5", '5'},
  };
  FakeKeyNames names;
  for (const Case& c : cases) {
    EXPECT_EQ(textToShortCut(c.text, names), c.expected) << c.text;
  }
}

TEST(SettingsShortCuts, TextsThatDoNotParseGiveNoShortCut) {
  FakeKeyNames names;
  // The layout names 0xC0 "\xB8" and 0xDE "\xDD"; bytes from 0x80 up are compared as they are.
  for (const char* text : {"Win+Q", "Shift+", "^", "Ctrl+W+", "Ctrl+ W", " Ctrl+W", "F25", "F0",
                           "Num", "\xB8\xB8", "\x98", "\xFD"}) {
    EXPECT_EQ(textToShortCut(text, names), 0) << text;
  }
}

TEST(SettingsShortCuts, KeypadDigitsWriteAsDigitsAndReadAsMainRowDigits) {
  FakeKeyNames names;
  EXPECT_EQ(shortCutToText(0x65, names), "5");
  EXPECT_EQ(shortCutToText(kCtrl | 0x60, names), "Ctrl+0");
  EXPECT_EQ(textToShortCut(shortCutToText(0x69, names), names), '9');
}

TEST(SettingsShortCuts, AKeyWithoutANameWritesNothing) {
  FakeKeyNames names;
  EXPECT_EQ(shortCutToText(kCtrl | kAlt | 0xFF, names), "");
  EXPECT_EQ(shortCutToText(kShift | 0x0C, names), "");
}

TEST(SettingsShortCuts, LayoutIsAskedOnceEachOnlyAboutKeysBelowTheMatch) {
  FakeKeyNames names;
  textToShortCut("Tab", names);
  EXPECT_THAT(names.asked, IsEmpty());

  textToShortCut("Ctrl+W", names);
  EXPECT_THAT(names.asked, Each(Lt('W')));
  EXPECT_TRUE(std::adjacent_find(names.asked.begin(), names.asked.end(), std::greater_equal<>()) ==
              names.asked.end());
  const std::uint8_t fixedNames[] = {0x08, 0x0D, 0x1B, 0x20, 0x28, 0x2D, 0x2E, '0', '9', 'A', 'V'};
  EXPECT_THAT(names.asked, Each(Not(AnyOfArray(fixedNames))));
}

}  // namespace
}  // namespace core
