// One reader under libFuzzer, chosen by FUZZ_FORMAT (a pictures::Format). Every
// input must probe, decode (full size when small, and into a box) or be refused cleanly.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pictures/decode.h"

namespace {

constexpr pictures::Format kFormat = FUZZ_FORMAT;

// Large pictures take milliseconds each under the sanitizers whatever the input, which would
// slow the search a hundredfold; the tests cover them. Small ones are decoded at full size too.
constexpr uint64_t kMaxBoxPixels = 1 << 19;
constexpr uint64_t kMaxFullPixels = 1 << 17;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    if (kFormat == pictures::Format::Wmf || kFormat == pictures::Format::Emf) {
      pictures::parseMetafile(kFormat, std::vector<uint8_t>(data, data + size));
      return 0;
    }
    const pictures::Size probed = pictures::probeSize(kFormat, data, size);
    const uint64_t pixels = uint64_t{probed.width} * probed.height;
    if (pixels > kMaxBoxPixels) return 0;
    pictures::decodePicture(kFormat, data, size, {{97, 61}, true});
    if (pixels <= kMaxFullPixels) {
      const pictures::Picture full = pictures::decodePicture(kFormat, data, size);
      if (full.size != probed) __builtin_trap();  // the probe must agree with the decode
    }
  } catch (const pictures::PictureError&) {
  }
  return 0;
}
