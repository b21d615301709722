#include "gif_lzw.h"

#include <algorithm>
#include <memory>

namespace pictures {
namespace {

constexpr unsigned kMaxCodeBits = 12;
constexpr unsigned kTableSize = 1u << kMaxCodeBits;

// Strings of the code table as (prefix code, last byte), with their first byte and length, so
// a string is written back to front straight into the output.
struct CodeTable {
  uint16_t prefix[kTableSize];
  uint8_t last[kTableSize];
  uint8_t first[kTableSize];
  uint16_t length[kTableSize];
};

class BitReader {
 public:
  explicit BitReader(ByteView bytes) : bytes_(bytes) {}

  // False once the data holds fewer than 'bits' bits.
  bool read(unsigned bits, unsigned* code) {
    if (count_ < bits) {
      while (count_ <= 56 && pos_ < bytes_.size) {
        buffer_ |= uint64_t{bytes_.data[pos_++]} << count_;
        count_ += 8;
      }
      if (count_ < bits) return false;
    }
    *code = static_cast<unsigned>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    count_ -= bits;
    return true;
  }

 private:
  ByteView bytes_;
  size_t pos_ = 0;
  uint64_t buffer_ = 0;
  unsigned count_ = 0;
};

}  // namespace

size_t decodeGifLzw(ByteView codes, unsigned minCodeSize, uint8_t* out, size_t outSize) {
  const unsigned clear = 1u << minCodeSize;
  const unsigned end = clear + 1;
  auto table = std::make_unique<CodeTable>();
  for (unsigned c = 0; c < clear; ++c) {
    table->prefix[c] = 0;
    table->last[c] = table->first[c] = static_cast<uint8_t>(c);
    table->length[c] = 1;
  }
  BitReader in(codes);
  unsigned codeBits = minCodeSize + 1;
  unsigned next = clear + 2;
  unsigned previous = kTableSize;  // none since the last clear code
  size_t written = 0;
  unsigned code = 0;
  while (written < outSize && in.read(codeBits, &code)) {
    if (code == clear) {
      codeBits = minCodeSize + 1;
      next = clear + 2;
      previous = kTableSize;
      continue;
    }
    if (code == end) break;
    if (previous == kTableSize) {
      if (code >= clear) break;
    } else {
      if (code > next || (code == next && next == kTableSize)) break;
      if (next < kTableSize) {
        // For code == next the new string is previous + its own first byte.
        table->prefix[next] = static_cast<uint16_t>(previous);
        table->first[next] = table->first[previous];
        table->last[next] = code == next ? table->first[previous] : table->first[code];
        table->length[next] = static_cast<uint16_t>(table->length[previous] + 1);
        ++next;
        if (next == (1u << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
      }
    }
    const size_t length = table->length[code];
    const size_t room = std::min(length, outSize - written);
    // Walk the string from its end; bytes past the output are dropped.
    unsigned c = code;
    for (size_t i = length; i > room; --i) c = table->prefix[c];
    for (size_t i = room; i > 0; --i) {
      out[written + i - 1] = table->last[c];
      c = table->prefix[c];
    }
    written += room;
    previous = code;
  }
  return written;
}

}  // namespace pictures
