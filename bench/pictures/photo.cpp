#include "photo.h"

#include <algorithm>
#include <cmath>

namespace bench {
namespace {

uint8_t clampByte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0)); }

struct Disc {
  double x, y, radius;
  double rgb[3];
};

}  // namespace

std::vector<uint8_t> photo(uint32_t width, uint32_t height) {
  std::vector<uint8_t> rgb(size_t{width} * height * 3);
  const Disc discs[] = {{0.3, 0.4, 0.12, {220, 60, 40}},
                        {0.7, 0.6, 0.2, {40, 90, 200}},
                        {0.55, 0.25, 0.08, {240, 220, 90}}};
  uint32_t noise = 2463534242u;
  for (uint32_t y = 0; y < height; ++y) {
    const double v = double(y) / height;
    for (uint32_t x = 0; x < width; ++x) {
      const double u = double(x) / width;
      double c[3] = {90 + 100 * v + 30 * std::sin(u * 9 + v * 4),
                     110 + 60 * std::sin(u * 5) * std::cos(v * 7),
                     150 - 80 * v + 25 * std::cos(u * 13)};
      const double texture = 12 * std::sin(x * 0.09) * std::sin(y * 0.07);
      for (const Disc& d : discs) {
        const double dx = (u - d.x) * width / height, dy = v - d.y;
        if (dx * dx + dy * dy < d.radius * d.radius) {
          for (int i = 0; i < 3; ++i) c[i] = d.rgb[i] * (0.7 + 0.3 * (1 - v));
        }
      }
      noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
      const double grain = double(noise % 13) - 6;
      uint8_t* p = &rgb[(size_t{y} * width + x) * 3];
      for (int i = 0; i < 3; ++i) p[i] = clampByte(c[i] + texture + grain);
    }
  }
  return rgb;
}

std::vector<uint8_t> toCubeIndices(const std::vector<uint8_t>& rgb) {
  std::vector<uint8_t> indices(rgb.size() / 3);
  for (size_t i = 0; i < indices.size(); ++i) {
    const unsigned r = rgb[i * 3] * 6 / 256, g = rgb[i * 3 + 1] * 7 / 256,
                   b = rgb[i * 3 + 2] * 6 / 256;
    indices[i] = static_cast<uint8_t>((r * 7 + g) * 6 + b);
  }
  return indices;
}

std::vector<uint8_t> cubePalette() {
  std::vector<uint8_t> palette;
  for (unsigned r = 0; r < 6; ++r) {
    for (unsigned g = 0; g < 7; ++g) {
      for (unsigned b = 0; b < 6; ++b) {
        palette.insert(palette.end(),
                       {uint8_t(r * 255 / 5), uint8_t(g * 255 / 6), uint8_t(b * 255 / 5)});
      }
    }
  }
  return palette;
}

}  // namespace bench
