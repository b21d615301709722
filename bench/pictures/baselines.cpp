#include "baselines.h"

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace bench {
namespace {

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

size_t readFrom(MemoryReader* reader, uint8_t* out, size_t count) {
  count = std::min(count, reader->size - reader->pos);
  std::memcpy(out, reader->data + reader->pos, count);
  reader->pos += count;
  return count;
}

void readPng(png_structp png, png_bytep out, png_size_t count) {
  if (readFrom(static_cast<MemoryReader*>(png_get_io_ptr(png)), out, count) != count) {
    png_error(png, "PNG ends early");
  }
}

int readGif(GifFileType* gif, GifByteType* out, int count) {
  return static_cast<int>(readFrom(static_cast<MemoryReader*>(gif->UserData), out, size_t(count)));
}

// libpng's setjmp lands here: plain data only in this frame.
bool runLibpng(png_structp png, png_infop info, Decoded* out, std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out->width = png_get_image_width(png, info);
  out->height = png_get_image_height(png, info);
  out->pixels.resize(size_t{out->width} * out->height * 4);
  rows->resize(out->height);
  for (uint32_t y = 0; y < out->height; ++y) (*rows)[y] = &out->pixels[size_t{y} * out->width * 4];
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  return true;
}

// The first image on the logical screen; false when there is none or it does not fit.
bool expandFirstImage(const GifFileType* gif, Decoded* out) {
  if (gif->ImageCount < 1) return false;
  const SavedImage& image = gif->SavedImages[0];
  const GifImageDesc& d = image.ImageDesc;
  const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
  if (!map || !image.RasterBits || d.Left + d.Width > gif->SWidth ||
      d.Top + d.Height > gif->SHeight) {
    return false;
  }
  GraphicsControlBlock control{};
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  DGifSavedExtensionToGCB(const_cast<GifFileType*>(gif), 0, &control);
  uint32_t table[256];
  std::fill(table, table + 256, 0xFF000000u);  // indices past the palette: opaque black
  for (int i = 0; i < map->ColorCount && i < 256; ++i) {
    const GifColorType c = map->Colors[i];
    table[i] = uint32_t{c.Blue} | uint32_t{c.Green} << 8 | uint32_t{c.Red} << 16 | 0xFF000000u;
  }
  if (control.TransparentColor >= 0) table[control.TransparentColor & 255] = 0;
  out->width = static_cast<uint32_t>(gif->SWidth);
  out->height = static_cast<uint32_t>(gif->SHeight);
  out->pixels.assign(size_t{out->width} * out->height * 4, 0);
  for (int y = 0; y < d.Height; ++y) {
    const GifByteType* src = image.RasterBits + size_t(y) * size_t(d.Width);
    uint8_t* dst = &out->pixels[(size_t(y + d.Top) * out->width + size_t(d.Left)) * 4];
    for (int x = 0; x < d.Width; ++x) std::memcpy(dst + x * 4, &table[src[x]], 4);
  }
  return true;
}

}  // namespace

Decoded decodeWithLibpng(const std::vector<uint8_t>& file) {
  MemoryReader reader{file.data(), file.size(), 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_read_fn(png, &reader, readPng);
  Decoded out;
  std::vector<png_bytep> rows;
  const bool ok = runLibpng(png, info, &out, &rows);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) throw std::runtime_error("libpng failed");
  return out;
}

Decoded decodeWithGiflib(const std::vector<uint8_t>& file) {
  MemoryReader reader{file.data(), file.size(), 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, readGif, &error);
  if (!gif) throw std::runtime_error("giflib failed");
  Decoded out;
  const bool ok = DGifSlurp(gif) == GIF_OK && expandFirstImage(gif, &out);
  DGifCloseFile(gif, &error);
  if (!ok) throw std::runtime_error("giflib failed");
  return out;
}

}  // namespace bench
