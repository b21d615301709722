// Area (box-average) shrinking of BGRA rows as they arrive: every source pixel adds to the output
// pixels it overlaps by the overlapped area, so fine patterns turn into their average colour
// instead of aliasing. Memory: a few output rows, whatever the source size.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/picture.h"

namespace pictures {

class BoxShrinker {
 public:
  // out: to.width * to.height * 4 bytes; to is no larger than from on either side.
  BoxShrinker(Size from, Size to, uint8_t* out);

  void addRow(const uint8_t* bgra);

 private:
  void emitRow();

  Size from_;
  Size to_;
  uint8_t* out_;
  // Source column x adds weight xWeight_[x] to output column xColumn_[x], the rest of its
  // 'to/from' share to the next column. The same for rows.
  std::vector<uint32_t> xColumn_;
  std::vector<float> xWeight_;
  float xShare_;
  float yShare_;
  uint32_t sourceRow_ = 0;
  uint32_t outputRow_ = 0;
  std::vector<float> rowSum_;  // premultiplied B, G, R and A of the source row, at output width
  std::vector<float> current_;
  std::vector<float> next_;
};

}  // namespace pictures
