#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <map>

#include "core/errors.h"

namespace {

class MapStore : public core::ProfileStore {
 public:
  std::string read(const std::string&, const std::string& section, const std::string& key,
                   const std::string& fallback) override {
    auto found = values.find(section + "/" + key);
    return found == values.end() ? fallback : found->second;
  }
  bool write(const std::string&, const std::string& section, const std::string& key,
             const std::string& value) override {
    if (readOnly) return false;
    values[section + "/" + key] = value;
    return true;
  }
  std::map<std::string, std::string> values;
  bool readOnly = false;
};

TEST(SettingsFile, ReadsValuesOfTheWrongKindAsTheirDefaults) {
  MapStore store;
  store.values = {{"GENERAL/TimerInterval", "abc"}, {"GENERAL/Timer", "yes"},
                  {"GENERAL/Splash", "2"},          {"WALLPAPER/WallpaperType", " -5"},
                  {"CALENDAR/Top", "$10"},          {"CALENDAR/Left", "99999999999"}};
  core::SettingsFile ini(store, "C:\\w.ini");
  EXPECT_EQ(ini.readInteger("GENERAL", "TimerInterval", 10), 10);
  EXPECT_FALSE(ini.readBool("GENERAL", "Timer", false));
  EXPECT_TRUE(ini.readBool("GENERAL", "Splash", false));
  EXPECT_EQ(ini.readInteger("WALLPAPER", "WallpaperType", 2), -5);
  EXPECT_EQ(ini.readInteger("CALENDAR", "Top", 100), 16);
  EXPECT_EQ(ini.readInteger("CALENDAR", "Left", 700), 700);
  EXPECT_TRUE(ini.readBool("GENERAL", "Missing", true));
  EXPECT_EQ(ini.readString("GENERAL", "szSpisok", "none"), "none");
}

TEST(SettingsFile, WritesFlagsAsDigitsAndReportsARefusedWrite) {
  MapStore store;
  core::SettingsFile ini(store, "C:\\Program\\wallpaper.ini");
  ini.writeBool("GENERAL", "Timer", true);
  ini.writeInteger("GENERAL", "TimerInterval", -3);
  EXPECT_EQ(store.values["GENERAL/Timer"], "1");
  EXPECT_EQ(store.values["GENERAL/TimerInterval"], "-3");

  store.readOnly = true;
  try {
    ini.writeString("GENERAL", "Path", "x");
    FAIL() << "a refused write must raise";
  } catch (const core::FileError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to C:\\Program\\wallpaper.ini");
  }
}

}  // namespace
