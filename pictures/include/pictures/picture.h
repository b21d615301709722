// Types shared by every picture reader: sizes, decoded pixels, fitting and errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pictures {

enum class Format { Bmp, Jpeg, Gif, Png, Wmf, Emf };

struct Size {
  uint32_t width = 0;
  uint32_t height = 0;
};

inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
inline bool operator!=(Size a, Size b) { return !(a == b); }

// A decoded picture: width * height * 4 bytes, rows top-down, each pixel B, G, R, A with straight
// alpha (255 where opaque). That is the memory of a top-down 32-bit DIB section.
struct Picture {
  Size size;
  std::vector<uint8_t> bgra;
};

// How a decoded picture is fitted into a target box; pictures are only ever shrunk.
struct Fit {
  Size box;                // 0 x 0: full size
  bool keepAspect = true;  // false: each side shrinks to the box on its own (a stretched preview)
};

// Pictures with more pixels than this are refused before anything is allocated for them:
// 64 Mi pixels (8192 x 8192) take 256 MB as BGRA, already a lot for a 32-bit process.
// Sides are limited too, which keeps a single row small.
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;
constexpr uint32_t kMaxSide = 65535;

class PictureError : public std::runtime_error {
 public:
  enum class Kind { Missing, Unreadable, Unsupported, Damaged, TooLarge, Unwritable };

  PictureError(Kind kind, std::string detail, std::string path = {});

  Kind kind() const { return kind_; }
  const std::string& detail() const { return detail_; }
  const std::string& path() const { return path_; }
  // The same error with a message that names the file.
  PictureError inFile(const std::string& path) const { return {kind_, detail_, path}; }

 private:
  Kind kind_;
  std::string detail_;
  std::string path_;
};

}  // namespace pictures
