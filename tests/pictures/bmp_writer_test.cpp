// The 24-bit BMP writer and the start picture written with it.
#include "pictures/bmp_writer.h"

#include <gtest/gtest.h>

#include "pictures/decode.h"
#include "pictures/files.h"
#include "test_files.h"

namespace pictures {
namespace {

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

TEST(PicturesBmpWriter, RowsArePaddedAndReadBackTheSame) {
  Picture picture{{5, 3}, {}};
  for (uint8_t i = 0; i < 15; ++i) {
    picture.bgra.insert(picture.bgra.end(), {i, uint8_t(i * 2), uint8_t(i * 3), 255});
  }
  const std::vector<uint8_t> bmp = encodeBmp24(picture);
  ASSERT_EQ(bmp.size(), 54u + 16 * 3);  // 15 bytes of pixels padded to 16 per row
  EXPECT_EQ(le32(bmp, 2), bmp.size());
  EXPECT_EQ(bmp[28], 24);
  const Picture back = decodePicture(Format::Bmp, bmp.data(), bmp.size());
  EXPECT_EQ(back.size, picture.size);
  EXPECT_EQ(back.bgra, picture.bgra);
}

TEST(PicturesBmpWriter, UnwritablePathIsNamed) {
  const std::string path = test::fixture("no such folder/start.bmp");
  try {
    writeBmp24(path, {{1, 1}, {1, 2, 3, 255}});
    FAIL() << "written";
  } catch (const PictureError& e) {
    EXPECT_EQ(e.kind(), PictureError::Kind::Unwritable);
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
}

TEST(PicturesStartPicture, JpegBecomesA24BitBitmapOfFullSize) {
  const std::vector<uint8_t> jpeg = test::readFile(PICTURES_START_JPEG);
  const std::string path = test::writeScratch("start.bmp", {'o', 'l', 'd'});
  writeJpegAsBmp(jpeg.data(), jpeg.size(), path);
  const std::vector<uint8_t> bmp = test::readFile(path);
  ASSERT_EQ(bmp.size(), 54u + 1280 * 3 * 1024);
  EXPECT_EQ(le32(bmp, 18), 1280u);
  EXPECT_EQ(le32(bmp, 22), 1024u);
  EXPECT_EQ(bmp[28], 24);
  const Picture fromJpeg = decodePicture(Format::Jpeg, jpeg.data(), jpeg.size());
  EXPECT_EQ(loadPicture(path).bgra, fromJpeg.bgra);
}

TEST(PicturesStartPicture, IsAProgressiveColourJpeg) {
  const std::vector<uint8_t> jpeg = test::readFile(PICTURES_START_JPEG);
  EXPECT_EQ(probeSize(Format::Jpeg, jpeg.data(), jpeg.size()), (Size{1280, 1024}));
  const uint8_t progressiveFrame[] = {0xFF, 0xC2};
  EXPECT_NE(std::search(jpeg.begin(), jpeg.end(), progressiveFrame, progressiveFrame + 2),
            jpeg.end());
}

}  // namespace
}  // namespace pictures
