// Other decoders on the same bytes, to the same output as ours: a full BGRA picture (RGBA for
// stb_image, which has no BGR order; the swap costs nothing worth measuring).
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

struct Decoded {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> pixels;
};

Decoded decodeWithLibpng(const std::vector<uint8_t>& file);
Decoded decodeWithGiflib(const std::vector<uint8_t>& file);
Decoded decodeWithStb(const std::vector<uint8_t>& file);  // empty when stb_image is missing

}  // namespace bench
