// Inputs the fuzzers found once: each must decode or be refused with a PictureError, nothing else.
#include <gtest/gtest.h>

#include <filesystem>

#include "pictures/decode.h"
#include "test_files.h"

namespace pictures {
namespace {

TEST(PicturesFuzzRegressions, EveryFindingIsDecodedOrRefused) {
  const std::pair<const char*, Format> readers[] = {{"bmp", Format::Bmp}, {"jpeg", Format::Jpeg},
                                                    {"gif", Format::Gif}, {"png", Format::Png},
                                                    {"wmf", Format::Wmf}, {"emf", Format::Emf}};
  for (const auto& [folder, format] : readers) {
    const std::filesystem::path dir = test::fixture(std::string("fuzz/") + folder);
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      const std::vector<uint8_t> bytes = test::readFile(entry.path().string());
      try {
        if (format == Format::Wmf || format == Format::Emf) {
          parseMetafile(format, bytes);
        } else {
          probeSize(format, bytes.data(), bytes.size());
          decodePicture(format, bytes.data(), bytes.size(), {{64, 64}, true});
        }
      } catch (const PictureError&) {
      }
      SUCCEED() << entry.path();
    }
  }
}

}  // namespace
}  // namespace pictures
