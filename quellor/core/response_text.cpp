#include "response_text.h"

#include <cstring>

namespace quellor {

bool ResponseText::Append(const char* bytes, std::size_t count) {
  if (ended_) return false;
  const void* nul = std::memchr(bytes, '\0', count);
  const std::size_t text_bytes =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : count;
  if (text_bytes > kCapacity - length_) {
    too_long_ = true;
    ended_ = true;
    return false;
  }
  std::memcpy(text_ + length_, bytes, text_bytes);
  length_ += text_bytes;
  ended_ = nul != nullptr;
  return !ended_;
}

std::string_view ResponseText::Text() const {
  if (too_long_) return {};
  return std::string_view(text_, length_);
}

}  // namespace quellor
