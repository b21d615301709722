// CMYK JPEGs: Adobe's inverted CMYK and YCCK as well as plain CMYK, made here with libjpeg
// because cjpeg writes neither.
#include <gtest/gtest.h>

#include <cstdio>

#include "pictures/decode.h"

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace pictures {
namespace {

// A flat 16 x 16 JPEG of one CMYK ink mix (0 = no ink), stored as the variant asks.
std::vector<uint8_t> cmykJpeg(const uint8_t ink[4], J_COLOR_SPACE stored, bool adobe) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = cinfo.image_height = 16;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, stored);
  jpeg_set_quality(&cinfo, 95, TRUE);
  cinfo.write_Adobe_marker = adobe;
  jpeg_start_compress(&cinfo, TRUE);
  uint8_t row[16 * 4];
  for (int x = 0; x < 16; ++x) {
    for (int c = 0; c < 4; ++c) row[x * 4 + c] = adobe ? uint8_t(255 - ink[c]) : ink[c];
  }
  JSAMPROW rows[1] = {row};
  while (cinfo.next_scanline < 16) jpeg_write_scanlines(&cinfo, rows, 1);
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

TEST(PicturesJpegColour, CmykVariantsGiveTheSameColour) {
  const uint8_t orange[4] = {0, 128, 255, 0};  // no cyan, half magenta, full yellow
  struct Case {
    const char* name;
    J_COLOR_SPACE stored;
    bool adobe;
  };
  for (const Case& c : {Case{"plain CMYK", JCS_CMYK, false}, Case{"Adobe CMYK", JCS_CMYK, true},
                        Case{"Adobe YCCK", JCS_YCCK, true}}) {
    const std::vector<uint8_t> jpeg = cmykJpeg(orange, c.stored, c.adobe);
    const Picture picture = decodePicture(Format::Jpeg, jpeg.data(), jpeg.size());
    ASSERT_EQ(picture.size, (Size{16, 16})) << c.name;
    const uint8_t* centre = &picture.bgra[(8 * 16 + 8) * 4];
    EXPECT_NEAR(centre[2], 255, 4) << c.name;
    EXPECT_NEAR(centre[1], 127, 4) << c.name;
    EXPECT_NEAR(centre[0], 0, 4) << c.name;
    EXPECT_EQ(centre[3], 255) << c.name;
  }
}

}  // namespace
}  // namespace pictures
