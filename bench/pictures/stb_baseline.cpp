// stb_image, compiled here only for the benchmark.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include "baselines.h"

namespace bench {

Decoded decodeWithStb(const std::vector<uint8_t>& file) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                          &height, &channels, 4);
  Decoded out;
  if (!pixels) return out;
  out.width = static_cast<uint32_t>(width);
  out.height = static_cast<uint32_t>(height);
  out.pixels.assign(pixels, pixels + size_t(width) * size_t(height) * 4);
  stbi_image_free(pixels);
  return out;
}

}  // namespace bench
