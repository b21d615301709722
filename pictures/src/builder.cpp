#include "builder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "bytes.h"

namespace pictures {
namespace {

uint32_t scaledSide(uint32_t side, uint32_t num, uint32_t den) {
  const uint64_t scaled = (uint64_t{side} * num + den / 2) / den;
  return static_cast<uint32_t>(std::max<uint64_t>(1, scaled));
}

}  // namespace

Size fittedSize(Size picture, const Fit& fit) {
  const Size box = fit.box;
  if (box.width == 0 || box.height == 0) return picture;
  if (!fit.keepAspect) {
    return {std::min(picture.width, box.width), std::min(picture.height, box.height)};
  }
  if (picture.width <= box.width && picture.height <= box.height) return picture;
  // Whichever side reaches the box first sets the scale.
  if (uint64_t{box.width} * picture.height <= uint64_t{box.height} * picture.width) {
    return {box.width, scaledSide(picture.height, box.width, picture.width)};
  }
  return {scaledSide(picture.width, box.height, picture.height), box.height};
}

Size PictureBuilder::plan(Size picture) {
  if (picture.width == 0 || picture.height == 0) throwDamaged("the picture has no pixels");
  const uint64_t pixels = uint64_t{picture.width} * picture.height;
  if (pixels > kMaxPixels || picture.width > kMaxSide || picture.height > kMaxSide) {
    throw PictureError(PictureError::Kind::TooLarge,
                       std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                           " pixels, more than the limit of " + std::to_string(kMaxPixels >> 20) +
                           " megapixels or " + std::to_string(kMaxSide) + " pixels a side");
  }
  output_ = fittedSize(picture, fit_);
  return output_;
}

void PictureBuilder::begin(Size rows) {
  rows_ = rows;
  output_ = {std::min(output_.width, rows.width), std::min(output_.height, rows.height)};
  picture_.size = output_;
  picture_.bgra.assign(size_t{output_.width} * output_.height * 4, 0);
  if (output_ != rows) {
    shrinker_ = std::make_unique<BoxShrinker>(rows, output_, picture_.bgra.data());
  }
}

uint8_t* PictureBuilder::rowTarget(uint8_t* scratch) {
  if (shrinker_ || rowsAdded_ >= rows_.height) return scratch;
  return picture_.bgra.data() + size_t{rowsAdded_} * rows_.width * 4;
}

void PictureBuilder::addRow(const uint8_t* bgra) {
  if (rowsAdded_ >= rows_.height) return;
  if (shrinker_) {
    shrinker_->addRow(bgra);
  } else {
    uint8_t* target = picture_.bgra.data() + size_t{rowsAdded_} * rows_.width * 4;
    if (bgra != target) std::memcpy(target, bgra, size_t{rows_.width} * 4);
  }
  ++rowsAdded_;
}

Picture PictureBuilder::finish() {
  if (rowsAdded_ != rows_.height) throw std::logic_error("a picture reader left rows out");
  return std::move(picture_);
}

}  // namespace pictures
