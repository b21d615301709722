#include "core/random_index.h"

namespace core {

std::int64_t RandomIndex::operator()(std::int64_t count) {
  if (count <= 0) return 0;
  // A linear congruential step; the high bits scale the draw into the range without a modulo bias
  // worth noticing for list sizes.
  state_ = state_ * 0x08088405u + 1u;
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(count) * state_) >> 32);
}

}  // namespace core
