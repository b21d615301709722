#include "png_rows.h"

#include <cstdlib>
#include <cstring>

namespace pictures {
namespace {

inline uint8_t paeth(uint8_t a, uint8_t b, uint8_t c) {
  const int pa = std::abs(b - c);
  const int pb = std::abs(a - c);
  const int pc = std::abs(a + b - 2 * c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// The byte distance as a constant lets the compiler keep the pixel to the left in registers.
template <size_t kBpp>
void unpaeth(uint8_t* row, const uint8_t* above, size_t length) {
  for (size_t i = 0; i < kBpp && i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + above[i]);
  for (size_t i = kBpp; i < length; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + paeth(row[i - kBpp], above[i], above[i - kBpp]));
  }
}

template <size_t kBpp>
void unaverage(uint8_t* row, const uint8_t* above, size_t length) {
  for (size_t i = 0; i < kBpp && i < length; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + (above[i] >> 1));
  }
  for (size_t i = kBpp; i < length; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + ((row[i - kBpp] + above[i]) >> 1));
  }
}

template <size_t kBpp>
void unfilterPixels(uint8_t filter, uint8_t* row, const uint8_t* above, size_t length) {
  switch (filter) {
    case 1:
      for (size_t i = kBpp; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - kBpp]);
      return;
    case 3:
      unaverage<kBpp>(row, above, length);
      return;
    default:
      unpaeth<kBpp>(row, above, length);
  }
}

inline uint16_t sample16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

}  // namespace

unsigned pngChannels(uint8_t colorType) {
  switch (colorType) {
    case kRgb:
      return 3;
    case kGreyAlpha:
      return 2;
    case kRgba:
      return 4;
    default:
      return 1;
  }
}

bool unfilterPngRow(uint8_t filter, uint8_t* row, const uint8_t* above, size_t length, size_t bpp) {
  if (filter == 0) return true;
  if (filter == 2) {
    for (size_t i = 0; i < length; ++i) row[i] = static_cast<uint8_t>(row[i] + above[i]);
    return true;
  }
  if (filter > 4) return false;
  switch (bpp) {
    case 1:
      unfilterPixels<1>(filter, row, above, length);
      break;
    case 2:
      unfilterPixels<2>(filter, row, above, length);
      break;
    case 3:
      unfilterPixels<3>(filter, row, above, length);
      break;
    case 4:
      unfilterPixels<4>(filter, row, above, length);
      break;
    case 6:
      unfilterPixels<6>(filter, row, above, length);
      break;
    default:
      unfilterPixels<8>(filter, row, above, length);
      break;
  }
  return true;
}

PngPixels::PngPixels(uint8_t colorType, uint8_t depth, ByteView palette, ByteView transparency)
    : colorType_(colorType), depth_(depth) {
  const unsigned maxValue = (1u << depth) - 1;
  if (colorType == kIndexed) {
    for (size_t i = 0; i < 256; ++i) {
      uint8_t* entry = &table_[i * 4];
      if (i * 3 + 3 <= palette.size) {
        const uint8_t* rgb = palette.data + i * 3;
        entry[0] = rgb[2], entry[1] = rgb[1], entry[2] = rgb[0];
      }
      entry[3] = i < transparency.size ? transparency.data[i] : 255;
    }
    return;
  }
  const size_t keyBytes = colorType == kGrey ? 2 : colorType == kRgb ? 6 : 0;
  if (keyBytes != 0 && transparency.size == keyBytes) {
    hasKey_ = true;
    for (size_t i = 0; i < keyBytes / 2; ++i) {
      key_[i] = static_cast<uint16_t>(sample16(transparency.data + i * 2) & maxValue);
    }
  }
  if (colorType == kGrey && depth <= 8) {
    for (unsigned v = 0; v <= maxValue; ++v) {
      uint8_t* entry = &table_[v * 4];
      entry[0] = entry[1] = entry[2] = static_cast<uint8_t>(v * 255 / maxValue);
      entry[3] = hasKey_ && v == key_[0] ? 0 : 255;
    }
  }
}

void PngPixels::toBgra(const uint8_t* samples, uint32_t width, uint8_t* out) const {
  switch (colorType_) {
    case kGrey:
      if (depth_ == 16) return grey16ToBgra(samples, width, out);
      return expandIndices(samples, width, out);
    case kIndexed:
      return expandIndices(samples, width, out);
    case kRgb:
      return rgbToBgra(samples, width, out);
    case kGreyAlpha:
      return greyAlphaToBgra(samples, width, out);
    default:
      return rgbaToBgra(samples, width, out);
  }
}

void PngPixels::expandIndices(const uint8_t* samples, uint32_t width, uint8_t* out) const {
  if (depth_ == 8) {
    for (uint32_t x = 0; x < width; ++x)
      std::memcpy(out + x * size_t{4}, &table_[samples[x] * 4u], 4);
    return;
  }
  const unsigned perByte = 8u / depth_;
  const unsigned mask = (1u << depth_) - 1;
  for (uint32_t x = 0; x < width; ++x) {
    const unsigned shift = 8 - depth_ * (x % perByte + 1);
    const unsigned index = (samples[x / perByte] >> shift) & mask;
    std::memcpy(out + x * size_t{4}, &table_[index * 4], 4);
  }
}

void PngPixels::rgbToBgra(const uint8_t* s, uint32_t width, uint8_t* out) const {
  const size_t step = depth_ == 16 ? 6 : 3;
  const size_t lane = depth_ == 16 ? 2 : 1;
  if (!hasKey_ && depth_ == 8) {
    for (uint32_t x = 0; x < width; ++x, s += 3, out += 4) {
      out[0] = s[2], out[1] = s[1], out[2] = s[0], out[3] = 255;
    }
    return;
  }
  for (uint32_t x = 0; x < width; ++x, s += step, out += 4) {
    out[0] = s[2 * lane], out[1] = s[lane], out[2] = s[0];
    const bool keyed =
        hasKey_ && (depth_ == 16 ? sample16(s) == key_[0] && sample16(s + 2) == key_[1] &&
                                       sample16(s + 4) == key_[2]
                                 : s[0] == key_[0] && s[1] == key_[1] && s[2] == key_[2]);
    out[3] = keyed ? 0 : 255;
  }
}

void PngPixels::grey16ToBgra(const uint8_t* s, uint32_t width, uint8_t* out) const {
  for (uint32_t x = 0; x < width; ++x, s += 2, out += 4) {
    out[0] = out[1] = out[2] = s[0];
    out[3] = hasKey_ && sample16(s) == key_[0] ? 0 : 255;
  }
}

void PngPixels::greyAlphaToBgra(const uint8_t* s, uint32_t width, uint8_t* out) const {
  const size_t lane = depth_ == 16 ? 2 : 1;
  for (uint32_t x = 0; x < width; ++x, s += 2 * lane, out += 4) {
    out[0] = out[1] = out[2] = s[0];
    out[3] = s[lane];
  }
}

void PngPixels::rgbaToBgra(const uint8_t* s, uint32_t width, uint8_t* out) const {
  const size_t lane = depth_ == 16 ? 2 : 1;
  for (uint32_t x = 0; x < width; ++x, s += 4 * lane, out += 4) {
    out[0] = s[2 * lane], out[1] = s[lane], out[2] = s[0], out[3] = s[3 * lane];
  }
}

}  // namespace pictures
