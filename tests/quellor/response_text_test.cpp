#include "response_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quellor {
namespace {

bool AppendAll(ResponseText& response, const std::string& bytes) {
  return response.Append(bytes.data(), bytes.size());
}

TEST(QuellorResponseText, JoinsChunksIntoOneText) {
  ResponseText response;
  EXPECT_TRUE(AppendAll(response, "Wallpaper"));
  EXPECT_TRUE(AppendAll(response, "Build 281\r\n"));
  EXPECT_EQ(response.Text(), "WallpaperBuild 281\r\n");
}

TEST(QuellorResponseText, NulByteEndsTheTextForGood) {
  ResponseText response;
  EXPECT_FALSE(AppendAll(response, std::string("WallpaperBuild 2\0junk", 21)));
  EXPECT_FALSE(AppendAll(response, "81"));
  EXPECT_EQ(response.Text(), "WallpaperBuild 2");
}

TEST(QuellorResponseText, HoldsAFullBufferButNotOneByteMore) {
  const std::string full(ResponseText::kCapacity, 'x');

  ResponseText exact;
  EXPECT_TRUE(AppendAll(exact, full));
  EXPECT_EQ(exact.Text(), full);

  ResponseText over;
  EXPECT_TRUE(AppendAll(over, full.substr(1)));
  EXPECT_FALSE(AppendAll(over, "xy"));
  EXPECT_EQ(over.Text(), "");
  EXPECT_FALSE(AppendAll(over, "z"));
  EXPECT_EQ(over.Text(), "");
}

TEST(QuellorResponseText, NulRightAfterAFullBufferKeepsIt) {
  ResponseText response;
  const std::string full(ResponseText::kCapacity, 'x');
  EXPECT_FALSE(AppendAll(response, full + std::string(1, '\0') + "more"));
  EXPECT_EQ(response.Text(), full);
}

TEST(QuellorResponseText, MegabytesWithoutLineEndsAreRefusedAtTheFirstChunkPastTheBuffer) {
  ResponseText response;
  const std::string chunk = "WallpaperBuild 281" + std::string(8192 - 18, '9');
  EXPECT_FALSE(AppendAll(response, chunk));
  EXPECT_EQ(response.Text(), "");
}

}  // namespace
}  // namespace quellor
