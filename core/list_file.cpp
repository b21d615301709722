#include "core/list_file.h"

#include <cstring>

namespace core {

std::vector<std::string> parseListFile(std::string_view bytes) {
  bytes = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      entries.emplace_back(bytes.substr(start));
      break;
    }
    entries.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return entries;
}

std::string formatListFile(const std::vector<std::string>& entries) {
  std::size_t size = 0;
  for (const auto& entry : entries) size += entry.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const auto& entry : entries) {
    bytes += entry;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace core
