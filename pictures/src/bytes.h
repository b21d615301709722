// Bounds-checked access to picture bytes: running past the end means the data is damaged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pictures {

struct ByteView {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

[[noreturn]] void throwDamaged(const std::string& detail);
[[noreturn]] void throwUnsupported(const std::string& detail);

class ByteReader {
 public:
  ByteReader(ByteView bytes, const char* format) : bytes_(bytes), format_(format) {}

  size_t position() const { return pos_; }
  size_t remaining() const { return bytes_.size - pos_; }
  bool atEnd() const { return pos_ == bytes_.size; }

  void seek(size_t position);
  void skip(size_t count);
  ByteView take(size_t count);

  uint8_t u8();
  uint16_t u16le();
  uint32_t u32le();
  int16_t i16le() { return static_cast<int16_t>(u16le()); }
  int32_t i32le() { return static_cast<int32_t>(u32le()); }
  uint32_t u32be();

 private:
  const uint8_t* need(size_t count) const;

  ByteView bytes_;
  const char* format_;
  size_t pos_ = 0;
};

inline uint32_t loadU32be(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

}  // namespace pictures
