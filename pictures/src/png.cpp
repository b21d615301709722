// PNG over zlib: every colour type and bit depth, palettes with tRNS, Adam7. Rows are inflated,
// unfiltered and handed on one at a time. Tolerated as viewers do: a bad CRC on an ancillary
// chunk (the chunk is dropped), a missing IEND, bytes after IEND.
#include <zlib.h>

#include <cstring>
#include <memory>
#include <vector>

#include "png_rows.h"
#include "readers.h"

namespace pictures {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct PngHeader {
  Size size;
  uint8_t depth = 0;
  uint8_t colorType = 0;
  bool interlaced = false;
};

struct Chunk {
  char type[5] = {};
  ByteView data;
  bool crcMatches = true;
};

bool isType(const Chunk& chunk, const char* type) { return std::memcmp(chunk.type, type, 4) == 0; }

// A chunk cut short by the end of the file keeps what is there; its CRC cannot be checked.
Chunk readChunk(ByteReader& in) {
  const uint32_t length = in.u32be();
  if (length > 0x7FFFFFFFu) throwDamaged("PNG chunk length out of range");
  Chunk chunk;
  const ByteView type = in.take(4);
  std::memcpy(chunk.type, type.data, 4);
  if (in.remaining() < size_t{length} + 4) {
    chunk.data = in.take(std::min<size_t>(length, in.remaining()));
    in.skip(in.remaining());
    return chunk;
  }
  chunk.data = in.take(length);
  uLong crc = crc32(0, type.data, 4);
  crc = crc32(crc, chunk.data.data, static_cast<uInt>(chunk.data.size));
  chunk.crcMatches = crc == in.u32be();
  return chunk;
}

bool validDepth(uint8_t colorType, uint8_t depth) {
  switch (colorType) {
    case kGrey:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case kIndexed:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case kRgb:
    case kGreyAlpha:
    case kRgba:
      return depth == 8 || depth == 16;
    default:
      return false;
  }
}

PngHeader readHeader(ByteReader& in) {
  const ByteView signature = in.take(8);
  if (std::memcmp(signature.data, kSignature, 8) != 0) throwDamaged("not a PNG file");
  const Chunk chunk = readChunk(in);
  if (!isType(chunk, "IHDR") || chunk.data.size != 13) throwDamaged("PNG without IHDR");
  if (!chunk.crcMatches) throwDamaged("bad CRC in the PNG IHDR chunk");
  const uint8_t* d = chunk.data.data;
  PngHeader h;
  h.size = {loadU32be(d), loadU32be(d + 4)};
  h.depth = d[8];
  h.colorType = d[9];
  if (h.size.width > 0x7FFFFFFFu || h.size.height > 0x7FFFFFFFu) throwDamaged("PNG size");
  if (!validDepth(h.colorType, h.depth)) throwDamaged("PNG colour type and bit depth");
  if (d[10] != 0 || d[11] != 0 || d[12] > 1) throwDamaged("PNG compression or filter method");
  h.interlaced = d[12] == 1;
  return h;
}

// One reduced image of Adam7, or the whole image when not interlaced.
struct Pass {
  uint32_t x0, y0, dx, dy;
  uint32_t width, height;
};

std::vector<Pass> passesOf(const PngHeader& h) {
  if (!h.interlaced) return {{0, 0, 1, 1, h.size.width, h.size.height}};
  static constexpr uint32_t kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  std::vector<Pass> passes;
  for (const auto& a : kAdam7) {
    const uint32_t w = h.size.width > a[0] ? (h.size.width - a[0] + a[2] - 1) / a[2] : 0;
    const uint32_t ht = h.size.height > a[1] ? (h.size.height - a[1] + a[3] - 1) / a[3] : 0;
    if (w > 0 && ht > 0) passes.push_back({a[0], a[1], a[2], a[3], w, ht});
  }
  return passes;
}

// Inflates the concatenated IDAT data row by row and hands each finished row on.
class ImageData {
 public:
  ImageData(const PngHeader& h, const PngPixels& pixels, PictureBuilder& out)
      : header_(h), pixels_(pixels), out_(out), passes_(passesOf(h)) {
    if (inflateInit(&z_) != Z_OK) throw std::bad_alloc();
    // The rows are complete before the Adler-32 at the end, and CRCs guard the chunks already.
    inflateValidate(&z_, 0);
    const unsigned bits = pngChannels(h.colorType) * h.depth;
    bpp_ = bits < 8 ? 1 : bits / 8;
    bitsPerPixel_ = bits;
    const size_t maxRow = (size_t{h.size.width} * bits + 7) / 8 + 1;
    current_.resize(maxRow);
    above_.resize(maxRow);
    bgra_.resize(size_t{h.size.width} * 4);
    if (h.interlaced) full_.resize(size_t{h.size.width} * h.size.height * 4);
    startPass();
  }
  ~ImageData() { inflateEnd(&z_); }
  ImageData(const ImageData&) = delete;
  ImageData& operator=(const ImageData&) = delete;

  bool done() const { return pass_ == passes_.size(); }

  void feed(ByteView compressed) {
    z_.next_in = const_cast<Bytef*>(compressed.data);
    z_.avail_in = static_cast<uInt>(compressed.size);
    while (!done()) {
      z_.next_out = current_.data() + filled_;
      z_.avail_out = static_cast<uInt>(rowBytes_ - filled_);
      const int status = inflate(&z_, Z_NO_FLUSH);
      filled_ = rowBytes_ - z_.avail_out;
      if (filled_ == rowBytes_) {
        finishRow();
        continue;
      }
      if (status == Z_STREAM_END) throwDamaged("PNG image data ends too early");
      if (status == Z_MEM_ERROR) throw std::bad_alloc();
      if (status != Z_OK && status != Z_BUF_ERROR) throwDamaged("corrupt PNG image data");
      if (z_.avail_in == 0 || status == Z_BUF_ERROR) return;
    }
  }

 private:
  void startPass() {
    if (done()) return;
    rowBytes_ = (size_t{passes_[pass_].width} * bitsPerPixel_ + 7) / 8 + 1;
    std::fill(above_.begin(), above_.begin() + static_cast<std::ptrdiff_t>(rowBytes_), 0);
    row_ = 0;
    filled_ = 0;
  }

  void finishRow() {
    const Pass& pass = passes_[pass_];
    if (!unfilterPngRow(current_[0], current_.data() + 1, above_.data() + 1, rowBytes_ - 1, bpp_)) {
      throwDamaged("unknown PNG filter type");
    }
    uint8_t* bgra = header_.interlaced ? bgra_.data() : out_.rowTarget(bgra_.data());
    pixels_.toBgra(current_.data() + 1, pass.width, bgra);
    if (header_.interlaced) {
      uint8_t* dst =
          full_.data() + (size_t{pass.y0 + row_ * pass.dy} * header_.size.width + pass.x0) * 4;
      for (uint32_t x = 0; x < pass.width; ++x)
        std::memcpy(dst + size_t{x} * pass.dx * 4, &bgra_[x * 4], 4);
    } else {
      out_.addRow(bgra);
    }
    current_.swap(above_);
    filled_ = 0;
    if (++row_ < pass.height) return;
    ++pass_;
    startPass();
    if (done() && header_.interlaced) {
      for (uint32_t y = 0; y < header_.size.height; ++y) {
        out_.addRow(full_.data() + size_t{y} * header_.size.width * 4);
      }
    }
  }

  const PngHeader& header_;
  const PngPixels& pixels_;
  PictureBuilder& out_;
  std::vector<Pass> passes_;
  z_stream z_{};
  size_t bpp_ = 1;
  unsigned bitsPerPixel_ = 0;
  size_t pass_ = 0;
  uint32_t row_ = 0;
  size_t rowBytes_ = 0;  // filter byte included
  size_t filled_ = 0;
  std::vector<uint8_t> current_;
  std::vector<uint8_t> above_;
  std::vector<uint8_t> bgra_;
  std::vector<uint8_t> full_;  // the assembled Adam7 image
};

}  // namespace

Size probePng(ByteView data) {
  ByteReader in(data, "PNG");
  return readHeader(in).size;
}

void decodePng(ByteView data, PictureBuilder& out) {
  ByteReader in(data, "PNG");
  const PngHeader header = readHeader(in);
  ByteView palette;
  ByteView transparency;
  std::unique_ptr<PngPixels> pixels;
  std::unique_ptr<ImageData> image;
  while (!in.atEnd() && !(image && image->done())) {
    const Chunk chunk = readChunk(in);
    const bool critical = (chunk.type[0] & 0x20) == 0;
    if (!chunk.crcMatches) {
      if (critical) throwDamaged(std::string("bad CRC in the PNG ") + chunk.type + " chunk");
      continue;
    }
    if (isType(chunk, "IDAT")) {
      if (!image) {
        if (header.colorType == kIndexed && palette.size == 0) throwDamaged("PNG palette missing");
        out.start(header.size);
        pixels = std::make_unique<PngPixels>(header.colorType, header.depth, palette, transparency);
        image = std::make_unique<ImageData>(header, *pixels, out);
      }
      image->feed(chunk.data);
    } else if (image || isType(chunk, "IEND")) {
      break;
    } else if (isType(chunk, "PLTE")) {
      if (chunk.data.size % 3 != 0 || chunk.data.size > 768) throwDamaged("bad PNG palette");
      palette = chunk.data;
    } else if (isType(chunk, "tRNS")) {
      transparency = chunk.data;
    }
  }
  if (!image || !image->done()) throwDamaged("PNG image data ends too early");
}

}  // namespace pictures
