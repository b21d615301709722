#include "core/paths.h"

namespace core {
namespace {

std::size_t nameStart(std::string_view path) {
  std::size_t delimiter = path.find_last_of("\\:");
  return delimiter == std::string_view::npos ? 0 : delimiter + 1;
}

}  // namespace

std::string fileNamePart(std::string_view path) {
  return std::string(path.substr(nameStart(path)));
}

std::string folderWithDelimiter(std::string_view path) {
  return std::string(path.substr(0, nameStart(path)));
}

std::string folderOf(std::string_view path) {
  std::size_t start = nameStart(path);
  if (start == 0) return {};
  std::string_view folder = path.substr(0, start - 1);
  bool driveRoot = path[start - 1] == '\\' && folder.size() == 2 && folder[1] == ':';
  bool afterDrive = path[start - 1] == ':';
  if (driveRoot || afterDrive) return std::string(path.substr(0, start));
  return std::string(folder);
}

std::string replaceExtension(std::string_view path, std::string_view extension) {
  std::size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || dot < nameStart(path)) dot = path.size();
  return std::string(path.substr(0, dot)) + std::string(extension);
}

}  // namespace core
