#include "pictures/decode.h"

#include <algorithm>
#include <cctype>

#include "readers.h"

namespace pictures {

Format formatFromPath(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.find_last_of('.');
  std::string extension;
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    extension = path.substr(dot);
  }
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".bmp") return Format::Bmp;
  if (extension == ".jpg" || extension == ".jpeg") return Format::Jpeg;
  if (extension == ".gif") return Format::Gif;
  if (extension == ".png") return Format::Png;
  if (extension == ".wmf") return Format::Wmf;
  if (extension == ".emf") return Format::Emf;
  throwUnsupported(extension.empty() ? "the file name has no extension"
                                     : "unknown extension \"" + extension + "\"");
}

Size probeSize(Format format, const uint8_t* data, size_t size) {
  const ByteView bytes{data, size};
  switch (format) {
    case Format::Bmp:
      return probeBmp(bytes);
    case Format::Jpeg:
      return probeJpeg(bytes);
    case Format::Gif:
      return probeGif(bytes);
    case Format::Png:
      return probePng(bytes);
    case Format::Wmf:
    case Format::Emf:
      return parseMetafile(format, std::vector<uint8_t>(data, data + size)).frame;
  }
  throwUnsupported("unknown format");
}

Picture decodePicture(Format format, const uint8_t* data, size_t size, const Fit& fit) {
  const ByteView bytes{data, size};
  PictureBuilder out(fit);
  switch (format) {
    case Format::Bmp:
      decodeBmp(bytes, out);
      break;
    case Format::Jpeg:
      decodeJpeg(bytes, out);
      break;
    case Format::Gif:
      decodeGif(bytes, out);
      break;
    case Format::Png:
      decodePng(bytes, out);
      break;
    case Format::Wmf:
    case Format::Emf:
      throwUnsupported("a metafile has no pixels to decode; GDI plays it");
  }
  return out.finish();
}

Metafile parseMetafile(Format format, std::vector<uint8_t> bytes) {
  if (format == Format::Wmf) return parseWmf(std::move(bytes));
  if (format == Format::Emf) return parseEmf(std::move(bytes));
  throwUnsupported("not a metafile");
}

}  // namespace pictures
