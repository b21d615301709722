#include "core/settings_file.h"

#include "core/errors.h"
#include "core/settings_values.h"

namespace core {

std::string SettingsFile::readString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
  return store_.read(path_, section, key, fallback);
}

std::int32_t SettingsFile::readInteger(const std::string& section, const std::string& key,
                                       std::int32_t fallback) const {
  return parseInteger(store_.read(path_, section, key, "")).value_or(fallback);
}

bool SettingsFile::readBool(const std::string& section, const std::string& key,
                            bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsFile::writeString(const std::string& section, const std::string& key,
                               const std::string& value) {
  if (!store_.write(path_, section, key, value)) throw FileError("Unable to write to " + path_);
}

void SettingsFile::writeInteger(const std::string& section, const std::string& key,
                                std::int32_t value) {
  writeString(section, key, std::to_string(value));
}

void SettingsFile::writeBool(const std::string& section, const std::string& key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

}  // namespace core
