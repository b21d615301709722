#pragma once

#include <cstddef>
#include <string_view>

namespace quellor {

// The downloaded version file as zero-terminated text in a fixed buffer. A NUL byte ends the
// text; a file longer than the buffer is not one of ours and reads as empty, so it never
// carries a build.
class ResponseText {
 public:
  static constexpr std::size_t kCapacity = 1023;

  // Adds the next downloaded chunk. Returns false once further bytes can no longer change the
  // text, so the download may stop.
  bool Append(const char* bytes, std::size_t count);

  std::string_view Text() const;

 private:
  char text_[kCapacity + 1] = {};
  std::size_t length_ = 0;
  bool ended_ = false;
  bool too_long_ = false;
};

}  // namespace quellor
