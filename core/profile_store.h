#pragma once
// Access to an INI file by path, one key at a time: the system's profile calls on Windows,
// a map in tests.

#include <string>

namespace core {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // The key's text, or `fallback` when the file, section or key is absent. At most 2047 bytes.
  virtual std::string read(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& fallback) = 0;
  // Writes at once; false when the system refuses the write.
  virtual bool write(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

}  // namespace core
