// Collects the rows a reader decodes into the picture the caller asked for: full size, or shrunk
// into a box as the rows arrive. Readers check the size here before they allocate anything.
#pragma once

#include <cstdint>
#include <memory>

#include "pictures/picture.h"
#include "shrink.h"

namespace pictures {

// The size a picture ends up at for a fit: never larger than the picture.
Size fittedSize(Size picture, const Fit& fit);

class PictureBuilder {
 public:
  explicit PictureBuilder(const Fit& fit) : fit_(fit) {}

  // Refuses empty pictures and pictures over kMaxPixels; returns the size it will end up at.
  Size plan(Size picture);
  // Rows will come at this size: the picture's, or a JPEG's scaled size (at least plan's).
  void begin(Size rows);
  void start(Size picture) {
    plan(picture);
    begin(picture);
  }

  // Where to decode the next row: straight into the picture when it keeps its size, else into
  // scratch (rows.width * 4 bytes), saving a copy of every row at full size.
  uint8_t* rowTarget(uint8_t* scratch);
  // Rows arrive top-down, rows.width * 4 bytes of BGRA each; all rows.height of them.
  void addRow(const uint8_t* bgra);
  Picture finish();

 private:
  Fit fit_;
  Size output_;
  Size rows_;
  uint32_t rowsAdded_ = 0;
  Picture picture_;
  std::unique_ptr<BoxShrinker> shrinker_;
};

}  // namespace pictures
