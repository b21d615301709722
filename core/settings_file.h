#pragma once
// The settings file: typed reads and writes of one key at a time. Nothing is cached or held
// open between calls; the object keeps only the path.

#include <cstdint>
#include <string>

#include "core/profile_store.h"

namespace core {

class SettingsFile {
 public:
  SettingsFile(ProfileStore& store, std::string path) : store_(store), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  std::string readString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // Text that is not a number in the settings' integer form reads as the fallback.
  std::int32_t readInteger(const std::string& section, const std::string& key,
                           std::int32_t fallback) const;
  bool readBool(const std::string& section, const std::string& key, bool fallback) const;

  // Each throws FileError("Unable to write to <path>") when the system refuses the write.
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInteger(const std::string& section, const std::string& key, std::int32_t value);
  void writeBool(const std::string& section, const std::string& key, bool value);

 private:
  ProfileStore& store_;
  std::string path_;
};

}  // namespace core
