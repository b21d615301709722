#include "bytes.h"

#include "pictures/picture.h"

namespace pictures {

void throwDamaged(const std::string& detail) {
  throw PictureError(PictureError::Kind::Damaged, detail);
}

void throwUnsupported(const std::string& detail) {
  throw PictureError(PictureError::Kind::Unsupported, detail);
}

const uint8_t* ByteReader::need(size_t count) const {
  if (count > remaining()) throwDamaged(std::string(format_) + " data ends too early");
  return bytes_.data + pos_;
}

void ByteReader::seek(size_t position) {
  if (position > bytes_.size) throwDamaged(std::string(format_) + " data ends too early");
  pos_ = position;
}

void ByteReader::skip(size_t count) {
  need(count);
  pos_ += count;
}

uint8_t ByteReader::u8() {
  const uint8_t value = *need(1);
  ++pos_;
  return value;
}

ByteView ByteReader::take(size_t count) {
  ByteView part{need(count), count};
  pos_ += count;
  return part;
}

uint16_t ByteReader::u16le() {
  const uint8_t* p = need(2);
  pos_ += 2;
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t ByteReader::u32le() {
  const uint8_t* p = need(4);
  pos_ += 4;
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint32_t ByteReader::u32be() {
  const uint8_t* p = need(4);
  pos_ += 4;
  return loadU32be(p);
}

}  // namespace pictures
