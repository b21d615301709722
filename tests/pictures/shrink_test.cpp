// Fitting into a target box and the area filter that shrinks.
#include <gtest/gtest.h>

#include <cmath>

#include "builder.h"
#include "pictures/bmp_writer.h"
#include "pictures/decode.h"
#include "pictures/files.h"
#include "test_files.h"

namespace pictures {
namespace {

TEST(PicturesFittedSize, ShrinksOnlyAndKeepsTheAspectWhenAsked) {
  struct Case {
    Size picture;
    Fit fit;
    Size expected;
  };
  const Case cases[] = {
      {{1000, 500}, {{439, 326}, true}, {439, 220}}, {{500, 1000}, {{439, 326}, true}, {163, 326}},
      {{100, 50}, {{439, 326}, true}, {100, 50}},    {{1000, 500}, {{439, 326}, false}, {439, 326}},
      {{300, 500}, {{439, 326}, false}, {300, 326}}, {{6000, 4000}, {{0, 0}, true}, {6000, 4000}},
      {{100000, 1}, {{800, 600}, true}, {800, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fittedSize(c.picture, c.fit), c.expected)
        << c.picture.width << "x" << c.picture.height << " into " << c.fit.box.width << "x"
        << c.fit.box.height;
  }
}

Picture pattern(Size size, uint32_t (*bgraAt)(uint32_t x, uint32_t y)) {
  Picture picture{size, std::vector<uint8_t>(size_t{size.width} * size.height * 4)};
  for (uint32_t y = 0; y < size.height; ++y) {
    for (uint32_t x = 0; x < size.width; ++x) {
      const uint32_t v = bgraAt(x, y);
      uint8_t* p = &picture.bgra[(size_t{y} * size.width + x) * 4];
      for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
    }
  }
  return picture;
}

// Shrinks through a real reader: the pixels as an opaque 24-bit BMP.
Picture shrinkOpaque(const Picture& picture, Size box) {
  const std::vector<uint8_t> bmp = encodeBmp24(picture);
  return decodePicture(Format::Bmp, bmp.data(), bmp.size(), {box, false});
}

TEST(PicturesShrinking, FineCheckerboardTurnsFlatGrey) {
  const Picture checker = pattern(
      {401, 299}, [](uint32_t x, uint32_t y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0x000000FFu; });
  for (Size box : {Size{100, 60}, Size{73, 41}, Size{200, 149}, Size{7, 3}}) {
    const Picture small = shrinkOpaque(checker, box);
    ASSERT_EQ(small.size, box);
    for (size_t i = 0; i < small.bgra.size(); ++i) {
      const int expected = i % 4 == 3 ? 255 : 128;
      ASSERT_NEAR(small.bgra[i], expected, 3)
          << "byte " << i << " at " << box.width << "x" << box.height;
    }
  }
}

TEST(PicturesShrinking, EdgesOnCellBoundariesStaySharp) {
  const Picture halves =
      pattern({200, 100}, [](uint32_t x, uint32_t) { return x < 100 ? 0xFFFFFFFFu : 0x000000FFu; });
  const Picture small = shrinkOpaque(halves, {50, 25});
  for (uint32_t y = 0; y < 25; ++y) {
    EXPECT_EQ(small.bgra[(y * 50 + 24) * 4], 255);
    EXPECT_EQ(small.bgra[(y * 50 + 25) * 4], 0);
  }
}

TEST(PicturesShrinking, TransparentPixelsDoNotDarkenTheColour) {
  // Opaque red beside transparent black, as a PNG with alpha: GDI would show plain red.
  const Picture stripes =
      pattern({64, 64}, [](uint32_t x, uint32_t) { return x % 2 ? 0x0000FFFFu : 0x00000000u; });
  PictureBuilder out({{16, 16}, false});
  out.start(stripes.size);
  for (uint32_t y = 0; y < 64; ++y) out.addRow(&stripes.bgra[size_t{y} * 64 * 4]);
  const Picture small = out.finish();
  for (size_t i = 0; i < small.bgra.size(); i += 4) {
    ASSERT_EQ(small.bgra[i + 2], 255);
    ASSERT_EQ(small.bgra[i + 1], 0);
    ASSERT_NEAR(small.bgra[i + 3], 128, 1);
  }
}

TEST(PicturesShrinking, JpegPreviewAtReducedScaleMatchesTheFullDecodeShrunk) {
  const std::string path = PICTURES_START_JPEG;
  for (Size box : {Size{439, 326}, Size{160, 128}}) {
    const Picture preview = loadPicture(path, {box, false});
    const Picture reference = shrinkOpaque(loadPicture(path), box);
    ASSERT_EQ(preview.size, box);
    ASSERT_EQ(reference.size, box);
    double difference = 0;
    for (size_t i = 0; i < preview.bgra.size(); ++i) {
      difference += std::abs(int(preview.bgra[i]) - int(reference.bgra[i]));
    }
    EXPECT_LT(difference / double(preview.bgra.size()), 2.0);
  }
}

}  // namespace
}  // namespace pictures
