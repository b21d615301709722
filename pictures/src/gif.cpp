// GIF 87a and 89a: the first image on its logical screen, with global or local palette,
// transparency and interlacing. Anything after the first image's data may be missing or broken,
// as viewers accept.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "gif_lzw.h"
#include "readers.h"

namespace pictures {
namespace {

constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImage = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControl = 0xF9;

struct GifImage {
  Size screen;  // the logical screen, grown to hold the image when it claims less
  uint32_t left = 0, top = 0;
  Size size;
  bool interlaced = false;
  ByteView palette;  // RGB triples
  int transparent = -1;
  unsigned minCodeSize = 0;
};

ByteView readColorTable(ByteReader& in, uint8_t flags) {
  if ((flags & 0x80) == 0) return {};
  return in.take(size_t{3} << ((flags & 7) + 1));
}

// Sub-blocks up to the terminator; data that stops early just ends them.
template <typename Visit>
void readSubBlocks(ByteReader& in, Visit visit) {
  while (!in.atEnd()) {
    const uint8_t length = in.u8();
    if (length == 0) return;
    visit(in.take(std::min<size_t>(length, in.remaining())));
  }
}

// Reads up to the first image's LZW minimum code size; in is left at its data.
GifImage readImageHeader(ByteReader& in) {
  const ByteView magic = in.take(6);
  if (std::memcmp(magic.data, "GIF87a", 6) != 0 && std::memcmp(magic.data, "GIF89a", 6) != 0) {
    throwDamaged("not a GIF file");
  }
  GifImage image;
  image.screen.width = in.u16le();
  image.screen.height = in.u16le();
  const uint8_t screenFlags = in.u8();
  in.skip(2);
  image.palette = readColorTable(in, screenFlags);
  for (;;) {
    const uint8_t block = in.u8();
    if (block == kImage) break;
    if (block == kTrailer) throwDamaged("GIF without an image");
    if (block != kExtension) throwDamaged("unknown GIF block");
    const uint8_t label = in.u8();
    readSubBlocks(in, [&](ByteView data) {
      if (label == kGraphicControl && data.size >= 4) {
        image.transparent = (data.data[0] & 1) ? data.data[3] : -1;
      }
    });
  }
  image.left = in.u16le();
  image.top = in.u16le();
  image.size.width = in.u16le();
  image.size.height = in.u16le();
  const uint8_t imageFlags = in.u8();
  image.interlaced = (imageFlags & 0x40) != 0;
  if (imageFlags & 0x80) image.palette = readColorTable(in, imageFlags);
  image.minCodeSize = in.u8();
  if (image.minCodeSize < 1 || image.minCodeSize > 11) throwDamaged("bad GIF code size");
  image.screen.width = std::max(image.screen.width, image.left + image.size.width);
  image.screen.height = std::max(image.screen.height, image.top + image.size.height);
  return image;
}

// Palette as BGRA; entries the palette lacks are opaque black. No palette at all: grey ramp.
std::array<uint8_t, 256 * 4> colorTable(const GifImage& image) {
  std::array<uint8_t, 256 * 4> table{};
  const size_t entries = image.palette.size / 3;
  for (size_t i = 0; i < 256; ++i) {
    uint8_t* entry = &table[i * 4];
    if (i < entries) {
      const uint8_t* rgb = image.palette.data + i * 3;
      entry[0] = rgb[2], entry[1] = rgb[1], entry[2] = rgb[0];
    } else if (entries == 0) {
      entry[0] = entry[1] = entry[2] = static_cast<uint8_t>(i);
    }
    entry[3] = 255;
  }
  if (image.transparent >= 0) std::memset(&table[size_t(image.transparent) * 4], 0, 4);
  return table;
}

// Where each image row sits in the LZW stream: interlaced rows come in four passes.
std::vector<uint32_t> streamOrder(uint32_t height, bool interlaced) {
  std::vector<uint32_t> order(height);
  uint32_t n = 0;
  if (!interlaced) {
    for (uint32_t y = 0; y < height; ++y) order[y] = n++;
    return order;
  }
  static constexpr uint32_t kStart[4] = {0, 4, 2, 1};
  static constexpr uint32_t kStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (uint32_t y = kStart[pass]; y < height; y += kStep[pass]) order[y] = n++;
  }
  return order;
}

}  // namespace

Size probeGif(ByteView data) {
  ByteReader in(data, "GIF");
  return readImageHeader(in).screen;
}

void decodeGif(ByteView data, PictureBuilder& out) {
  ByteReader in(data, "GIF");
  const GifImage image = readImageHeader(in);
  out.start(image.screen);
  std::vector<uint8_t> codes;
  readSubBlocks(
      in, [&](ByteView block) { codes.insert(codes.end(), block.data, block.data + block.size); });
  const size_t pixels = size_t{image.size.width} * image.size.height;
  std::vector<uint8_t> indices(pixels);
  const size_t decoded =
      decodeGifLzw({codes.data(), codes.size()}, image.minCodeSize, indices.data(), pixels);

  const std::array<uint8_t, 256 * 4> table = colorTable(image);
  const std::vector<uint32_t> order = streamOrder(image.size.height, image.interlaced);
  const uint32_t width = image.size.width;
  std::vector<uint8_t> row(size_t{image.screen.width} * 4);
  for (uint32_t y = 0; y < image.screen.height; ++y) {
    uint8_t* target = out.rowTarget(row.data());
    std::memset(target, 0, row.size());
    if (y >= image.top && y - image.top < image.size.height) {
      const size_t start = size_t{order[y - image.top]} * width;
      // Pixels the data never reached stay transparent.
      const size_t count = decoded > start ? std::min<size_t>(width, decoded - start) : 0;
      const uint8_t* src = indices.data() + start;
      uint8_t* dst = target + size_t{image.left} * 4;
      for (size_t x = 0; x < count; ++x) std::memcpy(dst + x * 4, &table[src[x] * size_t{4}], 4);
    }
    out.addRow(target);
  }
}

}  // namespace pictures
