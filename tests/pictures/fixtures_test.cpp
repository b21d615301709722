// Every fixture of make_fixtures.py against what expected.txt says it must give.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>

#include "pictures/files.h"
#include "test_files.h"

namespace pictures {
namespace {

struct Case {
  std::string file;
  std::string line;
};

// Shown by file name in test listings, not as raw bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.file; }

std::vector<Case> cases() {
  std::vector<Case> all;
  std::ifstream in(test::fixture("expected.txt"));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) all.push_back({line.substr(0, line.find(' ')), line});
  }
  return all;
}

PictureError::Kind kindNamed(const std::string& name) {
  if (name == "damaged") return PictureError::Kind::Damaged;
  if (name == "unsupported") return PictureError::Kind::Unsupported;
  throw std::invalid_argument("unknown error kind " + name);
}

uint32_t pixelAt(const Picture& picture, uint32_t x, uint32_t y) {
  const uint8_t* p = &picture.bgra[(size_t{y} * picture.size.width + x) * 4];
  return uint32_t{p[2]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[0]} << 8 | p[3];
}

int channelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
  }
  return worst;
}

class PicturesFixture : public testing::TestWithParam<Case> {};

TEST_P(PicturesFixture, GivesWhatItShould) {
  const std::string path = test::fixture(GetParam().file);
  std::istringstream line(GetParam().line);
  std::string file, first;
  line >> file >> first;
  if (first == "error") {
    std::string kind;
    line >> kind;
    try {
      if (formatFromPath(path) == Format::Wmf || formatFromPath(path) == Format::Emf) {
        loadMetafile(path);
      } else {
        loadPicture(path);
      }
      FAIL() << "no error";
    } catch (const PictureError& e) {
      EXPECT_EQ(e.kind(), kindNamed(kind)) << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    return;
  }
  Size size;
  size.width = static_cast<uint32_t>(std::stoul(first));
  line >> size.height;
  std::string third;
  line >> third;
  EXPECT_EQ(probePictureSize(path), size);
  if (third == "metafile") {
    const Metafile metafile = loadMetafile(path);
    EXPECT_EQ(metafile.frame, size);
    EXPECT_EQ(metafile.bytes, test::readFile(path));
    return;
  }
  const int tolerance = std::stoi(third);
  const Picture picture = loadPicture(path);
  ASSERT_EQ(picture.size, size);
  ASSERT_EQ(picture.bgra.size(), size_t{size.width} * size.height * 4);
  for (std::string check; line >> check;) {
    uint32_t x = 0, y = 0, rgba = 0;
    ASSERT_EQ(std::sscanf(check.c_str(), "%u,%u=%x", &x, &y, &rgba), 3) << check;
    EXPECT_LE(channelDistance(pixelAt(picture, x, y), rgba), tolerance)
        << check << " got " << std::hex << pixelAt(picture, x, y);
  }
}

INSTANTIATE_TEST_SUITE_P(All, PicturesFixture, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& test) {
                           std::string name = test.param.file;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace pictures
