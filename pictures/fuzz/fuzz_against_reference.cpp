// Our PNG or GIF reader (FUZZ_FORMAT) against libpng or giflib, the benchmark's reference
// decoders: wherever the library decodes a picture, ours must give the very same pixels.
// Where only one of them accepts the input, that is tolerance, not a fault; so is a GIF whose
// LZW data goes wrong: giflib makes up pixels from codes it does not have, we stop there and
// leave the rest transparent, as browsers do.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "baselines.h"
#include "pictures/decode.h"

namespace {

constexpr pictures::Format kFormat = FUZZ_FORMAT;
constexpr uint64_t kMaxFuzzPixels = 1 << 16;

bool hasTransparentPixels(const pictures::Picture& picture) {
  for (size_t i = 3; i < picture.bgra.size(); i += 4) {
    if (picture.bgra[i] == 0) return true;
  }
  return false;
}

bench::Decoded reference(const std::vector<uint8_t>& bytes) {
  return kFormat == pictures::Format::Png ? bench::decodeWithLibpng(bytes)
                                          : bench::decodeWithGiflib(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    const pictures::Size probed = pictures::probeSize(kFormat, data, size);
    if (uint64_t{probed.width} * probed.height > kMaxFuzzPixels) return 0;
    const pictures::Picture ours = pictures::decodePicture(kFormat, data, size);
    if (kFormat == pictures::Format::Gif && hasTransparentPixels(ours)) return 0;
    const bench::Decoded theirs = reference(bytes);
    if (ours.size.width != theirs.width || ours.size.height != theirs.height ||
        ours.bgra != theirs.pixels) {
      __builtin_trap();
    }
  } catch (const pictures::PictureError&) {
  } catch (const std::runtime_error&) {
  }
  return 0;
}
