// One reader under libFuzzer, chosen by FUZZ_FORMAT (a pictures::Format). Every input must be
// refused with a PictureError or probe and decode, at full size and into a box, to the size
// the probe gave.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pictures/decode.h"

namespace {

constexpr pictures::Format kFormat = FUZZ_FORMAT;

// Pixels cost time under the sanitizers whatever the input: past this size the search would
// spend itself filling blank canvases. The tests cover large pictures.
constexpr uint64_t kMaxFuzzPixels = 1 << 16;

void decode(const uint8_t* data, size_t size) {
  const pictures::Size probed = pictures::probeSize(kFormat, data, size);
  if (uint64_t{probed.width} * probed.height > kMaxFuzzPixels) return;
  const pictures::Picture full = pictures::decodePicture(kFormat, data, size);
  if (full.size != probed) __builtin_trap();
  pictures::decodePicture(kFormat, data, size, {{97, 61}, true});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    if (kFormat == pictures::Format::Wmf || kFormat == pictures::Format::Emf) {
      pictures::parseMetafile(kFormat, std::vector<uint8_t>(data, data + size));
    } else {
      decode(data, size);
    }
  } catch (const pictures::PictureError&) {
  }
  return 0;
}
