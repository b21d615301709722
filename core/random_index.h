#pragma once
// The program's one pseudo-random generator, seeded once at start from the clock.

#include <cstdint>

namespace core {

class RandomIndex {
 public:
  explicit RandomIndex(std::uint32_t seed = 0) : state_(seed) {}

  void seed(std::uint32_t seed) { state_ = seed; }

  // A number from 0 to count - 1; 0 when count is 0. Random picks never avoid the current entry.
  std::int64_t operator()(std::int64_t count);

 private:
  std::uint32_t state_;
};

}  // namespace core
