#include "shrink.h"

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

// Where source cell i of 'from' cells falls among 'to' output cells: the output cell it starts
// in and how much of its share lies in that cell (in output cell units).
void splitCell(uint32_t i, uint32_t from, uint32_t to, uint32_t* cell, float* weight) {
  const uint64_t start = uint64_t{i} * to;  // in units of 1/from output cells
  const uint64_t end = start + to;
  const uint64_t boundary = (start / from + 1) * from;
  *cell = static_cast<uint32_t>(start / from);
  *weight = static_cast<float>(std::min(end, boundary) - start) / static_cast<float>(from);
}

}  // namespace

BoxShrinker::BoxShrinker(Size from, Size to, uint8_t* out)
    : from_(from),
      to_(to),
      out_(out),
      xColumn_(from.width),
      xWeight_(from.width),
      xShare_(static_cast<float>(to.width) / static_cast<float>(from.width)),
      yShare_(static_cast<float>(to.height) / static_cast<float>(from.height)),
      rowSum_(size_t{to.width} * 4),
      current_(size_t{to.width} * 4),
      next_(size_t{to.width} * 4) {
  for (uint32_t x = 0; x < from.width; ++x) {
    splitCell(x, from.width, to.width, &xColumn_[x], &xWeight_[x]);
  }
}

void BoxShrinker::addRow(const uint8_t* bgra) {
  if (sourceRow_ >= from_.height) return;
  std::fill(rowSum_.begin(), rowSum_.end(), 0.0f);
  float* sum = rowSum_.data();
  const uint32_t lastColumn = to_.width - 1;
  for (uint32_t x = 0; x < from_.width; ++x, bgra += 4) {
    const float a = bgra[3];
    const float px[4] = {bgra[0] * a, bgra[1] * a, bgra[2] * a, a};
    const uint32_t column = xColumn_[x];
    const float w0 = xWeight_[x];
    const float w1 = xShare_ - w0;
    float* s = sum + size_t{column} * 4;
    for (int c = 0; c < 4; ++c) s[c] += px[c] * w0;
    if (w1 > 0.0f && column < lastColumn) {
      for (int c = 0; c < 4; ++c) s[4 + c] += px[c] * w1;
    }
  }

  uint32_t row = 0;
  float w0 = 0.0f;
  splitCell(sourceRow_, from_.height, to_.height, &row, &w0);
  const float w1 = yShare_ - w0;
  for (size_t i = 0; i < rowSum_.size(); ++i) {
    current_[i] += rowSum_[i] * w0;
    next_[i] += rowSum_[i] * w1;
  }
  ++sourceRow_;
  // The output row is complete when the next source row starts in a later one.
  const bool last = sourceRow_ == from_.height;
  uint32_t nextRow = row;
  float unused = 0.0f;
  if (!last) splitCell(sourceRow_, from_.height, to_.height, &nextRow, &unused);
  if (last || nextRow != row) emitRow();
}

void BoxShrinker::emitRow() {
  if (outputRow_ >= to_.height) return;
  uint8_t* out = out_ + size_t{outputRow_} * to_.width * 4;
  for (size_t i = 0; i < current_.size(); i += 4, out += 4) {
    const float a = current_[i + 3];
    if (a <= 0.0f) {
      out[0] = out[1] = out[2] = out[3] = 0;
      continue;
    }
    for (int c = 0; c < 3; ++c) {
      out[c] = static_cast<uint8_t>(std::min(255.0f, current_[i + c] / a + 0.5f));
    }
    out[3] = static_cast<uint8_t>(std::min(255.0f, a + 0.5f));
  }
  current_.swap(next_);
  std::fill(next_.begin(), next_.end(), 0.0f);
  ++outputRow_;
}

}  // namespace pictures
