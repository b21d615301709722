#include "pictures/files.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "readers.h"

namespace pictures {
namespace {

// Larger files than this are not pictures a wallpaper changer should read whole.
constexpr long kMaxFileBytes = 512L << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openForReading(const std::string& path) {
  errno = 0;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    if (errno == ENOENT) throw PictureError(PictureError::Kind::Missing, "");
    throw PictureError(PictureError::Kind::Unreadable, "the file cannot be opened");
  }
  return file;
}

std::vector<uint8_t> readWhole(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) {
    throw PictureError(PictureError::Kind::Unreadable, "the file cannot be read");
  }
  const long length = std::ftell(file);
  if (length < 0) throw PictureError(PictureError::Kind::Unreadable, "the file cannot be read");
  if (length > kMaxFileBytes) {
    throw PictureError(PictureError::Kind::TooLarge, "the file is larger than 512 MB");
  }
  std::rewind(file);
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    throw PictureError(PictureError::Kind::Unreadable, "the file cannot be read");
  }
  return bytes;
}

// Runs a reader on the file at path; every error comes out naming the file.
template <typename Read>
auto withFile(const std::string& path, Read read) -> decltype(read(Format::Bmp, nullptr)) {
  try {
    const Format format = formatFromPath(path);
    const File file = openForReading(path);
    return read(format, file.get());
  } catch (const PictureError& e) {
    throw e.inFile(path);
  } catch (const std::bad_alloc&) {
    throw PictureError(PictureError::Kind::TooLarge, "not enough memory", path);
  }
}

}  // namespace

Size probePictureSize(const std::string& path) {
  return withFile(path, [](Format format, std::FILE* file) {
    if (format == Format::Jpeg) return probeJpegFile(file);
    const std::vector<uint8_t> bytes = readWhole(file);
    return probeSize(format, bytes.data(), bytes.size());
  });
}

Picture loadPicture(const std::string& path, const Fit& fit) {
  return withFile(path, [&](Format format, std::FILE* file) {
    if (format == Format::Jpeg) {
      // Straight from the file: a large photo's bytes need not sit in memory as well.
      PictureBuilder out(fit);
      decodeJpegFile(file, out);
      return out.finish();
    }
    const std::vector<uint8_t> bytes = readWhole(file);
    return decodePicture(format, bytes.data(), bytes.size(), fit);
  });
}

Metafile loadMetafile(const std::string& path) {
  return withFile(path, [](Format format, std::FILE* file) {
    if (format != Format::Wmf && format != Format::Emf) throwUnsupported("not a metafile");
    return parseMetafile(format, readWhole(file));
  });
}

}  // namespace pictures
