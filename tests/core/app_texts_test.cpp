#include "core/app_texts.h"

#include <gtest/gtest.h>

#include "core/cp1251.h"
#include "core/random_index.h"

namespace {

TEST(MainCaption, NamesTheListFileOnlyWhenTheListHasOne) {
  EXPECT_EQ(core::mainCaption("C:\\Lists\\sea.wlt", true),
            "Varnok Wallpaper 2008 - Wallpaper List: sea.wlt");
  EXPECT_EQ(core::mainCaption("C:\\Lists\\sea.wlt", false), "Varnok Wallpaper 2008");
  EXPECT_FALSE(core::captionNamesListFile("Varnok Wallpaper 2008"));
  EXPECT_TRUE(core::captionNamesListFile("Varnok Wallpaper 2008 - Wallpaper List: a.wlt"));
}

TEST(Cp1251, ConvertsTheInterfaceTexts) {
  EXPECT_EQ(core::cp1251("Вниз"), "\xC2\xED\xE8\xE7");
  EXPECT_EQ(core::cp1251("Наугад"), "\xCD\xE0\xF3\xE3\xE0\xE4");
  EXPECT_EQ(core::cp1251("Ёё №«»—"), "\xA8\xB8 \xB9\xAB\xBB\x97");
  EXPECT_EQ(core::cp1251("Файл 'x'"), "\xD4\xE0\xE9\xEB 'x'");
  EXPECT_EQ(core::cp1251("日"), "?");
  EXPECT_EQ(core::cp1251("\xD0"), "?");  // a cut sequence
}

TEST(RandomIndex, StaysInRangeAndRepeatsForTheSameSeed) {
  core::RandomIndex a(42), b(42);
  for (std::int64_t count : {1, 2, 3, 7, 100000, 40000000}) {
    for (int i = 0; i < 100; ++i) {
      std::int64_t drawn = a(count);
      ASSERT_GE(drawn, 0);
      ASSERT_LT(drawn, count);
      ASSERT_EQ(drawn, b(count));
    }
  }
  EXPECT_EQ(a(0), 0);
}

TEST(RandomIndex, ReachesEveryEntryOfASmallList) {
  core::RandomIndex random(7);
  bool seen[5] = {};
  for (int i = 0; i < 200; ++i) seen[random(5)] = true;
  for (bool s : seen) EXPECT_TRUE(s);
}

}  // namespace
