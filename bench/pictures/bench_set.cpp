#include "bench_set.h"

#include <gif_lib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "photo.h"

namespace bench {
namespace {

constexpr uint32_t kJpegWidth = 6000, kJpegHeight = 4000;
constexpr uint32_t kPngWidth = 3264, kPngHeight = 2448;

void writePng(const std::string& path, uint32_t width, uint32_t height,
              const std::vector<uint8_t>& samples, bool palette) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> colours;
  if (palette) {
    const std::vector<uint8_t> cube = cubePalette();
    for (size_t i = 0; i < cube.size(); i += 3)
      colours.push_back({cube[i], cube[i + 1], cube[i + 2]});
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
  }
  png_write_info(png, info);
  const size_t stride = size_t{width} * (palette ? 1 : 3);
  for (uint32_t y = 0; y < height; ++y) png_write_row(png, &samples[y * stride]);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

void writeGif(const std::string& path, uint32_t width, uint32_t height,
              const std::vector<uint8_t>& indices) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) throw std::runtime_error("cannot write " + path);
  const std::vector<uint8_t> cube = cubePalette();
  std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
  for (size_t i = 0; i < cube.size() / 3; ++i)
    colours[i] = {cube[i * 3], cube[i * 3 + 1], cube[i * 3 + 2]};
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  EGifPutScreenDesc(gif, static_cast<int>(width), static_cast<int>(height), 8, 0, map);
  EGifPutImageDesc(gif, 0, 0, static_cast<int>(width), static_cast<int>(height), false, nullptr);
  for (uint32_t y = 0; y < height; ++y) {
    EGifPutLine(gif, const_cast<GifPixelType*>(&indices[size_t{y} * width]),
                static_cast<int>(width));
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
}

void writeJpegs(const std::string& ppm, const std::string& baseline,
                const std::string& progressive) {
  std::FILE* file = std::fopen(ppm.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + ppm);
  const std::vector<uint8_t> rgb = photo(kJpegWidth, kJpegHeight);
  std::fprintf(file, "P6\n%u %u\n255\n", kJpegWidth, kJpegHeight);
  std::fwrite(rgb.data(), 1, rgb.size(), file);
  std::fclose(file);
  const std::string base = "cjpeg -quality 90 -outfile ";
  if (std::system((base + "'" + baseline + "' '" + ppm + "'").c_str()) != 0 ||
      std::system((base + "'" + progressive + "' -progressive '" + ppm + "'").c_str()) != 0) {
    throw std::runtime_error("cjpeg failed");
  }
  std::filesystem::remove(ppm);
}

}  // namespace

BenchSet makeBenchSet(const std::string& folder) {
  std::filesystem::create_directories(folder);
  BenchSet set{folder + "/photo-24mp-baseline.jpg", folder + "/photo-24mp-progressive.jpg",
               folder + "/photo-8mp-rgb.png", folder + "/photo-8mp-palette.png",
               folder + "/photo-8mp.gif"};
  namespace fs = std::filesystem;
  if (!fs::exists(set.jpegBaseline) || !fs::exists(set.jpegProgressive)) {
    std::fprintf(stderr, "making the 24-megapixel JPEGs...\n");
    writeJpegs(folder + "/photo-24mp.ppm", set.jpegBaseline, set.jpegProgressive);
  }
  if (!fs::exists(set.pngRgb) || !fs::exists(set.pngPalette) || !fs::exists(set.gif)) {
    std::fprintf(stderr, "making the 8-megapixel PNGs and GIF...\n");
    const std::vector<uint8_t> rgb = photo(kPngWidth, kPngHeight);
    const std::vector<uint8_t> indices = toCubeIndices(rgb);
    writePng(set.pngRgb, kPngWidth, kPngHeight, rgb, false);
    writePng(set.pngPalette, kPngWidth, kPngHeight, indices, true);
    writeGif(set.gif, kPngWidth, kPngHeight, indices);
  }
  return set;
}

}  // namespace bench
