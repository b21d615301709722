// PNG scanlines: undoing the row filters and turning samples into BGRA.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "bytes.h"

namespace pictures {

enum PngColorType : uint8_t { kGrey = 0, kRgb = 2, kIndexed = 3, kGreyAlpha = 4, kRgba = 6 };

unsigned pngChannels(uint8_t colorType);

// Undoes filter type 'filter' on row[0..length) given the unfiltered row above (zeros for a
// pass's first row); bpp is the filter's byte distance. False for an unknown filter type.
bool unfilterPngRow(uint8_t filter, uint8_t* row, const uint8_t* above, size_t length, size_t bpp);

// Turns unfiltered samples of one colour type and bit depth into BGRA, with the palette and
// tRNS transparency. Values are used as stored: no gamma.
class PngPixels {
 public:
  PngPixels(uint8_t colorType, uint8_t depth, ByteView palette, ByteView transparency);

  void toBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const;

 private:
  void expandIndices(const uint8_t* samples, uint32_t width, uint8_t* out) const;
  void rgbToBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const;
  void greyAlphaToBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const;
  void rgbaToBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const;
  void grey16ToBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const;

  uint8_t colorType_;
  uint8_t depth_;
  // Grey levels or palette entries as BGRA, for samples of 8 bits or fewer.
  std::array<uint8_t, 256 * 4> table_{};
  bool hasKey_ = false;
  std::array<uint16_t, 3> key_{};  // tRNS colour (grey in [0]) at the image's bit depth
};

}  // namespace pictures
