// A synthetic photo: soft gradients, textures, hard-edged shapes and sensor-like noise, so the
// encoders meet the kind of data a camera gives them.
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

// RGB, rows top-down.
std::vector<uint8_t> photo(uint32_t width, uint32_t height);

// The same picture in 252 colours (a 6 x 7 x 6 cube); indices into cubePalette().
std::vector<uint8_t> toCubeIndices(const std::vector<uint8_t>& rgb);
std::vector<uint8_t> cubePalette();  // RGB triples

}  // namespace bench
