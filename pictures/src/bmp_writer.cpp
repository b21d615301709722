#include "pictures/bmp_writer.h"

#include <cstdio>

#include "pictures/decode.h"

namespace pictures {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

void put16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  out[at] = static_cast<uint8_t>(value);
  out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  put16(out, at, value & 0xFFFF);
  put16(out, at + 2, value >> 16);
}

}  // namespace

std::vector<uint8_t> encodeBmp24(const Picture& picture) {
  const uint32_t width = picture.size.width;
  const uint32_t height = picture.size.height;
  const size_t stride = (size_t{width} * 3 + 3) & ~size_t{3};
  const size_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<uint8_t> out(offset + stride * height, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 2, static_cast<uint32_t>(out.size()));
  put32(out, 10, static_cast<uint32_t>(offset));
  put32(out, 14, kInfoHeaderSize);
  put32(out, 18, width);
  put32(out, 22, height);  // positive: rows bottom-up, as every reader expects
  put16(out, 26, 1);
  put16(out, 28, 24);
  put32(out, 34, static_cast<uint32_t>(stride * height));
  put32(out, 38, 3780);  // 96 dpi in pixels per metre
  put32(out, 42, 3780);
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* src = picture.bgra.data() + size_t{height - 1 - y} * width * 4;
    uint8_t* dst = out.data() + offset + y * stride;
    for (uint32_t x = 0; x < width; ++x, src += 4, dst += 3) {
      dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
    }
  }
  return out;
}

void writeBmp24(const std::string& path, const Picture& picture) {
  const std::vector<uint8_t> bytes = encodeBmp24(picture);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = file && std::fclose(file) == 0;
  if (!written || !closed) {
    throw PictureError(PictureError::Kind::Unwritable, "the file cannot be created", path);
  }
}

void writeJpegAsBmp(const uint8_t* jpeg, size_t size, const std::string& bmpPath) {
  writeBmp24(bmpPath, decodePicture(Format::Jpeg, jpeg, size));
}

}  // namespace pictures
