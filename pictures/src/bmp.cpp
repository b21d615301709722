// Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits, RLE4 and RLE8, bit-field masks,
// top-down and bottom-up rows, palettes shorter than the bit depth.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "readers.h"

namespace pictures {
namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kOs2HeaderSize = 64;

struct BmpHeader {
  Size size;
  bool topDown = false;
  uint16_t bitCount = 0;
  uint32_t compression = kRgb;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
  size_t pixelOffset = 0;
  std::array<uint8_t, 256 * 4> palette{};  // BGRA; entries the file lacks stay opaque black
};

void readPalette(ByteReader& in, uint32_t infoSize, uint32_t colorsUsed, BmpHeader& h) {
  for (size_t i = 3; i < h.palette.size(); i += 4) h.palette[i] = 255;
  if (h.bitCount > 8) return;
  const size_t entrySize = infoSize == kCoreHeaderSize ? 3 : 4;
  size_t count = colorsUsed != 0 ? colorsUsed : size_t{1} << h.bitCount;
  const size_t start = in.position();
  if (h.pixelOffset >= start) {
    count = std::min(count, (h.pixelOffset - start) / entrySize);
  } else {
    h.pixelOffset = start + count * entrySize;  // some old files leave the offset at 0
  }
  count = std::min({count, size_t{256}, in.remaining() / entrySize});
  for (size_t i = 0; i < count; ++i) {
    const ByteView entry = in.take(entrySize);
    std::memcpy(&h.palette[i * 4], entry.data, 3);
  }
}

void setDefaultMasks(BmpHeader& h) {
  if (h.compression == kBitFields || h.compression == kAlphaBitFields) return;
  if (h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F, 0};
  if (h.bitCount == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
}

void checkDepth(const BmpHeader& h) {
  const uint16_t bits = h.bitCount;
  bool valid = false;
  switch (h.compression) {
    case kRgb:
      valid = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
      break;
    case kRle8:
      valid = bits == 8;
      break;
    case kRle4:
      valid = bits == 4;
      break;
    case kBitFields:
    case kAlphaBitFields:
      valid = bits == 16 || bits == 32;
      break;
    default:
      throwUnsupported("BMP compression " + std::to_string(h.compression));
  }
  if (!valid) throwDamaged("BMP with " + std::to_string(bits) + " bits per pixel");
}

// Bit-field masks sit in headers of 52 bytes and more, otherwise just after the header.
// Leaves in at the end of header and masks.
std::array<uint32_t, 4> readMasks(ByteReader& in, uint32_t infoSize, uint32_t compression) {
  std::array<uint32_t, 4> masks{};
  const size_t headerEnd = 14 + size_t{infoSize};
  if (compression != kBitFields && compression != kAlphaBitFields) {
    in.seek(headerEnd);
    return masks;
  }
  const size_t inHeader = infoSize >= 56 ? 4 : infoSize >= 52 ? 3 : 0;
  for (size_t i = 0; i < inHeader; ++i) masks[i] = in.u32le();
  in.seek(headerEnd);
  const size_t following = inHeader > 0 ? 0 : compression == kAlphaBitFields ? 4 : 3;
  for (size_t i = 0; i < following; ++i) masks[i] = in.u32le();
  return masks;
}

BmpHeader readHeader(ByteView data) {
  ByteReader in(data, "BMP");
  if (in.u8() != 'B' || in.u8() != 'M') throwDamaged("not a BMP file");
  BmpHeader h;
  in.skip(8);
  h.pixelOffset = in.u32le();
  const uint32_t infoSize = in.u32le();
  uint32_t colorsUsed = 0;
  int64_t width = 0;
  int64_t height = 0;
  if (infoSize == kCoreHeaderSize) {
    width = in.u16le();
    height = in.u16le();
    in.skip(2);
    h.bitCount = in.u16le();
  } else if (infoSize >= kInfoHeaderSize && infoSize <= 1024) {
    width = in.i32le();
    height = in.i32le();
    in.skip(2);
    h.bitCount = in.u16le();
    h.compression = in.u32le();
    in.skip(12);
    colorsUsed = in.u32le();
    in.skip(4);
    if (infoSize == kOs2HeaderSize && h.compression >= kBitFields) {
      throwUnsupported("OS/2 BMP compression " + std::to_string(h.compression));
    }
    h.masks = readMasks(in, infoSize, h.compression);
  } else {
    throwDamaged("unknown BMP header size " + std::to_string(infoSize));
  }
  if (width <= 0 || height == 0 || height == INT32_MIN) throwDamaged("BMP of no pixels");
  h.topDown = height < 0;
  h.size = {static_cast<uint32_t>(width), static_cast<uint32_t>(height < 0 ? -height : height)};
  checkDepth(h);
  setDefaultMasks(h);
  readPalette(in, infoSize, colorsUsed, h);
  return h;
}

// One channel of a bit-field pixel, scaled to 0..255.
class MaskChannel {
 public:
  explicit MaskChannel(uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    while (((mask >> shift_) & 1) == 0) ++shift_;
    max_ = mask >> shift_;
  }
  uint8_t operator()(uint32_t pixel, uint8_t absent) const {
    if (mask_ == 0) return absent;
    const uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<uint8_t>(std::min<uint64_t>(255, (value * 255 + max_ / 2) / max_));
  }

 private:
  uint32_t mask_;
  unsigned shift_ = 0;
  uint32_t max_ = 1;
};

void expandIndices(const uint8_t* src, uint32_t width, unsigned bits, const uint8_t* palette,
                   uint8_t* out) {
  const unsigned perByte = 8 / bits;
  const unsigned valueMask = (1u << bits) - 1;
  for (uint32_t x = 0; x < width; ++x) {
    const unsigned shift = 8 - bits * (x % perByte + 1);
    const unsigned index = (src[x / perByte] >> shift) & valueMask;
    std::memcpy(out + size_t{x} * 4, palette + index * 4, 4);
  }
}

void convertRow(const BmpHeader& h, const std::array<MaskChannel, 4>& channels, const uint8_t* src,
                uint8_t* out) {
  const uint32_t width = h.size.width;
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
      expandIndices(src, width, h.bitCount, h.palette.data(), out);
      return;
    case 24:
      for (uint32_t x = 0; x < width; ++x, src += 3, out += 4) {
        out[0] = src[0], out[1] = src[1], out[2] = src[2], out[3] = 255;
      }
      return;
    default:
      break;
  }
  const size_t bytes = h.bitCount / 8;
  for (uint32_t x = 0; x < width; ++x, src += bytes, out += 4) {
    uint32_t pixel = src[0] | uint32_t{src[1]} << 8;
    if (bytes == 4) pixel |= uint32_t{src[2]} << 16 | uint32_t{src[3]} << 24;
    out[0] = channels[2](pixel, 0);
    out[1] = channels[1](pixel, 0);
    out[2] = channels[0](pixel, 0);
    out[3] = channels[3](pixel, 255);
  }
}

// Runs of palette indices; pixels the runs skip keep index 0, as GDI leaves them.
std::vector<uint8_t> expandRle(ByteView data, const BmpHeader& h) {
  const uint32_t width = h.size.width;
  const uint32_t height = h.size.height;
  std::vector<uint8_t> indices(size_t{width} * height, 0);
  const bool rle4 = h.compression == kRle4;
  auto put = [&](uint32_t x, uint32_t y, uint8_t index) {
    if (x < width && y < height) indices[size_t{y} * width + x] = index;
  };
  ByteReader in(data, "BMP");
  uint32_t x = 0;
  uint32_t y = 0;
  while (in.remaining() >= 2 && y < height) {
    const uint8_t count = in.u8();
    const uint8_t value = in.u8();
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i, ++x) {
        put(x, y, rle4 ? static_cast<uint8_t>(i % 2 ? value & 15 : value >> 4) : value);
      }
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (in.remaining() < 2) break;
      x += in.u8();
      y += in.u8();
    } else {
      const size_t bytes = rle4 ? (value + 1u) / 2 : value;
      if (in.remaining() < bytes) break;
      const ByteView run = in.take(bytes);
      for (unsigned i = 0; i < value; ++i, ++x) {
        const uint8_t byte = run.data[rle4 ? i / 2 : i];
        put(x, y, rle4 ? static_cast<uint8_t>(i % 2 ? byte & 15 : byte >> 4) : byte);
      }
      if (bytes % 2 && in.remaining() > 0) in.skip(1);
    }
  }
  return indices;
}

void decodeRle(ByteView pixels, const BmpHeader& h, PictureBuilder& out) {
  const std::vector<uint8_t> indices = expandRle(pixels, h);
  std::vector<uint8_t> row(size_t{h.size.width} * 4);
  for (uint32_t y = 0; y < h.size.height; ++y) {
    const uint32_t stored = h.topDown ? y : h.size.height - 1 - y;
    uint8_t* target = out.rowTarget(row.data());
    expandIndices(indices.data() + size_t{stored} * h.size.width, h.size.width, 8, h.palette.data(),
                  target);
    out.addRow(target);
  }
}

void decodeRows(ByteView pixels, const BmpHeader& h, PictureBuilder& out) {
  const uint64_t rowBits = uint64_t{h.size.width} * h.bitCount;
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  const uint64_t needed = stride * (h.size.height - 1) + (rowBits + 7) / 8;
  if (needed > pixels.size) throwDamaged("BMP pixel data ends too early");
  const std::array<MaskChannel, 4> channels{MaskChannel(h.masks[0]), MaskChannel(h.masks[1]),
                                            MaskChannel(h.masks[2]), MaskChannel(h.masks[3])};
  std::vector<uint8_t> row(size_t{h.size.width} * 4);
  for (uint32_t y = 0; y < h.size.height; ++y) {
    const uint32_t stored = h.topDown ? y : h.size.height - 1 - y;
    uint8_t* target = out.rowTarget(row.data());
    convertRow(h, channels, pixels.data + stored * stride, target);
    out.addRow(target);
  }
}

}  // namespace

Size probeBmp(ByteView data) { return readHeader(data).size; }

void decodeBmp(ByteView data, PictureBuilder& out) {
  const BmpHeader h = readHeader(data);
  out.start(h.size);
  if (h.pixelOffset > data.size) throwDamaged("BMP pixel data ends too early");
  const ByteView pixels{data.data + h.pixelOffset, data.size - h.pixelOffset};
  if (h.compression == kRle4 || h.compression == kRle8) {
    decodeRle(pixels, h, out);
  } else {
    decodeRows(pixels, h, out);
  }
}

}  // namespace pictures
