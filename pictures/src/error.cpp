#include "pictures/picture.h"

namespace pictures {
namespace {

std::string message(PictureError::Kind kind, const std::string& detail, const std::string& path) {
  const std::string subject = path.empty() ? "Picture" : "Picture file \"" + path + "\"";
  switch (kind) {
    case PictureError::Kind::Missing:
      return subject + " not found.";
    case PictureError::Kind::Unreadable:
      return subject + " cannot be read: " + detail + ".";
    case PictureError::Kind::Unsupported:
      return subject + " is not supported: " + detail + ".";
    case PictureError::Kind::Damaged:
      return subject + " is damaged: " + detail + ".";
    case PictureError::Kind::TooLarge:
      return subject + " is too large: " + detail + ".";
    case PictureError::Kind::Unwritable:
      return subject + " cannot be written: " + detail + ".";
  }
  return subject + ": " + detail + ".";
}

}  // namespace

PictureError::PictureError(Kind kind, std::string detail, std::string path)
    : std::runtime_error(message(kind, detail, path)),
      kind_(kind),
      detail_(std::move(detail)),
      path_(std::move(path)) {}

}  // namespace pictures
