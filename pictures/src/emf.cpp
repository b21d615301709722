// Enhanced metafiles: the frame size from the header and a walk over every record, so that GDI
// never gets a record of size 0 (Wine's GDI hangs on one) or one that runs past the end.
#include <cstdlib>

#include "readers.h"

namespace pictures {
namespace {

constexpr uint32_t kHeaderType = 1;
constexpr uint32_t kEofType = 14;
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr size_t kMinHeaderSize = 88;

// rclFrame is in 0.01 mm; the reference device gives pixels per millimetre.
uint32_t frameToPixels(int32_t low, int32_t high, int32_t devicePixels, int32_t deviceMm) {
  const uint64_t hundredths = static_cast<uint64_t>(std::llabs(int64_t{high} - low));
  if (devicePixels <= 0 || deviceMm <= 0)
    return static_cast<uint32_t>((hundredths * 96 + 1270) / 2540);
  const uint64_t mm100 = uint64_t(deviceMm) * 100;
  return static_cast<uint32_t>((hundredths * uint64_t(devicePixels) + mm100 / 2) / mm100);
}

}  // namespace

Metafile parseEmf(std::vector<uint8_t> bytes) {
  ByteReader in({bytes.data(), bytes.size()}, "EMF");
  if (in.u32le() != kHeaderType) throwDamaged("not an enhanced metafile");
  const uint32_t headerSize = in.u32le();
  in.skip(16);
  const int32_t left = in.i32le(), top = in.i32le(), right = in.i32le(), bottom = in.i32le();
  if (in.u32le() != kSignature || headerSize < kMinHeaderSize)
    throwDamaged("not an enhanced metafile");
  in.seek(72);
  const int32_t deviceWidth = in.i32le(), deviceHeight = in.i32le();
  const int32_t mmWidth = in.i32le(), mmHeight = in.i32le();

  in.seek(0);
  while (!in.atEnd()) {
    const size_t start = in.position();
    const uint32_t type = in.u32le();
    const uint32_t size = in.u32le();
    if (size < 8 || size % 4 != 0) throwDamaged("metafile record of size " + std::to_string(size));
    if (size > in.remaining() + 8) throwDamaged("metafile record runs past the end");
    if (type == kEofType) break;
    in.seek(start + size);
  }

  Metafile metafile;
  metafile.format = Format::Emf;
  metafile.frame = {frameToPixels(left, right, deviceWidth, mmWidth),
                    frameToPixels(top, bottom, deviceHeight, mmHeight)};
  metafile.bytes = std::move(bytes);
  return metafile;
}

}  // namespace pictures
