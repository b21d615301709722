// What the user is told: the file's name and what is wrong with it.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>

#include "pictures/files.h"
#include "test_files.h"

namespace pictures {
namespace {

TEST(PicturesFormatFromPath, KnowsTheExtensionsWhateverTheirCase) {
  const std::pair<const char*, Format> cases[] = {{"C:\\Pictures\\a.BMP", Format::Bmp},
                                                  {"x.jpg", Format::Jpeg},
                                                  {"x.JpEg", Format::Jpeg},
                                                  {"dir.png\\y.gif", Format::Gif},
                                                  {"/p/y.Png", Format::Png},
                                                  {"m.WMF", Format::Wmf},
                                                  {"m.emf", Format::Emf}};
  for (const auto& [path, format] : cases) EXPECT_EQ(formatFromPath(path), format) << path;
}

TEST(PicturesFormatFromPath, RefusesAnyOtherExtension) {
  for (const char* path : {"photo.tif", "photo.jpe", "noextension", "dir.png/file", "png"}) {
    try {
      formatFromPath(path);
      ADD_FAILURE() << path;
    } catch (const PictureError& e) {
      EXPECT_EQ(e.kind(), PictureError::Kind::Unsupported) << path;
    }
  }
}

PictureError loadError(const std::string& path) {
  try {
    loadPicture(path);
  } catch (const PictureError& e) {
    return e;
  }
  throw std::runtime_error("no error for " + path);
}

TEST(PicturesFiles, MissingFileIsNamed) {
  const std::string path = test::fixture("no such picture.png");
  const PictureError e = loadError(path);
  EXPECT_EQ(e.kind(), PictureError::Kind::Missing);
  EXPECT_EQ(std::string(e.what()), "Picture file \"" + path + "\" not found.");
  EXPECT_THROW(probePictureSize(path), PictureError);
}

TEST(PicturesFiles, UnsupportedExtensionIsNamed) {
  const std::string path = test::writeScratch("picture.tga", {1, 2, 3});
  const PictureError e = loadError(path);
  EXPECT_EQ(e.kind(), PictureError::Kind::Unsupported);
  EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  EXPECT_NE(std::string(e.what()).find(".tga"), std::string::npos) << e.what();
}

TEST(PicturesFiles, EmptyFileIsDamagedForEveryFormat) {
  for (const char* name : {"empty.bmp", "empty.jpg", "empty.gif", "empty.png"}) {
    const std::string path = test::writeScratch(name, {});
    const PictureError e = loadError(path);
    EXPECT_EQ(e.kind(), PictureError::Kind::Damaged) << e.what();
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_THROW(loadMetafile(test::writeScratch("empty.emf", {})), PictureError);
}

TEST(PicturesFiles, MetafilesAreNotDecodedAsPixels) {
  EXPECT_THROW(loadPicture(test::fixture("emf/picture.emf")), PictureError);
  EXPECT_THROW(loadMetafile(test::fixture("png/rgb_8.png")), PictureError);
}

void putBe(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int count) {
  for (int i = 0; i < count; ++i)
    bytes[at + i] = static_cast<uint8_t>(value >> (8 * (count - 1 - i)));
}

void putLe(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A fixture whose header now claims width x height; the data behind it stays tiny.
std::vector<uint8_t> claiming(const std::string& fixture, uint32_t width, uint32_t height) {
  std::vector<uint8_t> bytes = test::readFile(test::fixture(fixture));
  const std::string extension = fixture.substr(fixture.rfind('.'));
  if (extension == ".bmp") {
    putLe(bytes, 18, width, 4), putLe(bytes, 22, height, 4);
  } else if (extension == ".png") {
    putBe(bytes, 16, width, 4), putBe(bytes, 20, height, 4);
    putBe(bytes, 29, static_cast<uint32_t>(crc32(0, bytes.data() + 12, 17)), 4);
  } else if (extension == ".gif") {
    putLe(bytes, 6, width, 2), putLe(bytes, 8, height, 2);
  } else {
    const uint8_t sof[] = {0xFF, 0xC0};
    const size_t at =
        static_cast<size_t>(std::search(bytes.begin(), bytes.end(), sof, sof + 2) - bytes.begin());
    putBe(bytes, at + 5, height, 2), putBe(bytes, at + 7, width, 2);
  }
  return bytes;
}

TEST(PicturesFiles, TooLargeIsRefusedWithTheLimit) {
  struct Case {
    const char* fixture;
    uint32_t width, height;
  };
  const Case cases[] = {{"bmp/24bit.bmp", 20000, 20000},       {"bmp/rle8.bmp", 9000, 9000},
                        {"png/rgb_8.png", 9000, 8000},         {"png/grey_1.png", 70000, 1},
                        {"gif/transparent.gif", 65000, 65000}, {"jpeg/baseline.jpg", 9000, 9000}};
  for (const Case& c : cases) {
    const std::string name =
        "large_" + std::string(c.fixture).substr(std::string(c.fixture).find('/') + 1);
    const std::string path = test::writeScratch(name, claiming(c.fixture, c.width, c.height));
    EXPECT_EQ(probePictureSize(path), (Size{c.width, c.height})) << path;
    const PictureError e = loadError(path);
    EXPECT_EQ(e.kind(), PictureError::Kind::TooLarge) << e.what();
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("64 megapixels"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace pictures
