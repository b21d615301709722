// Windows metafiles, placeable (with the Aldus header) and plain: the frame size and a walk over
// every record, so that GDI never gets a record of size 0 or one that runs past the end.
#include <cstdlib>

#include "readers.h"

namespace pictures {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr uint16_t kEofFunction = 0x0000;
constexpr uint16_t kSetWindowExt = 0x020C;
constexpr uint32_t kScreenDpi = 96;

uint32_t toPixels(int32_t units, uint32_t unitsPerInch) {
  return static_cast<uint32_t>((uint64_t(std::abs(units)) * kScreenDpi + unitsPerInch / 2) /
                               unitsPerInch);
}

// Returns the window extent of the first SetWindowExt record, which is what sizes a plain
// metafile; 0 x 0 when it has none.
Size walkRecords(ByteReader& in) {
  const uint16_t type = in.u16le();
  const uint16_t headerWords = in.u16le();
  if ((type != 1 && type != 2) || headerWords != 9) throwDamaged("not a Windows metafile");
  in.skip(14);
  Size extent;
  bool extentSeen = false;
  while (!in.atEnd()) {
    const size_t start = in.position();
    const uint32_t words = in.u32le();
    const uint16_t function = in.u16le();
    if (words < 3) throwDamaged("metafile record of size " + std::to_string(words));
    if (uint64_t{words} * 2 > in.remaining() + 6) throwDamaged("metafile record runs past the end");
    if (function == kEofFunction) return extent;
    if (function == kSetWindowExt && words >= 5 && !extentSeen) {
      const int16_t height = in.i16le();
      const int16_t width = in.i16le();
      extent = {static_cast<uint32_t>(std::abs(width)), static_cast<uint32_t>(std::abs(height))};
      extentSeen = true;
    }
    in.seek(start + size_t{words} * 2);
  }
  return extent;
}

}  // namespace

Metafile parseWmf(std::vector<uint8_t> bytes) {
  ByteReader in({bytes.data(), bytes.size()}, "WMF");
  Metafile metafile;
  metafile.format = Format::Wmf;
  if (bytes.size() >= 4 && in.u32le() == kPlaceableKey) {
    in.skip(2);
    const int16_t left = in.i16le(), top = in.i16le(), right = in.i16le(), bottom = in.i16le();
    const uint16_t unitsPerInch = in.u16le();
    if (unitsPerInch == 0) throwDamaged("placeable metafile without units per inch");
    in.seek(kPlaceableSize);
    walkRecords(in);
    metafile.frame = {toPixels(right - left, unitsPerInch), toPixels(bottom - top, unitsPerInch)};
    metafile.gdiOffset = kPlaceableSize;
  } else {
    in.seek(0);
    metafile.frame = walkRecords(in);
  }
  metafile.bytes = std::move(bytes);
  return metafile;
}

}  // namespace pictures
