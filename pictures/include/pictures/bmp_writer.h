// Writes pictures as 24-bit Windows bitmaps, the form the desktop takes on every Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/picture.h"

namespace pictures {

// A bottom-up 24-bit BMP file; alpha is dropped.
std::vector<uint8_t> encodeBmp24(const Picture& picture);

void writeBmp24(const std::string& path, const Picture& picture);

// The built-in start picture: JPEG bytes decoded at full size, saved as a 24-bit BMP file.
void writeJpegAsBmp(const uint8_t* jpeg, size_t size, const std::string& bmpPath);

}  // namespace pictures
