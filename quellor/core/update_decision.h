#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quellor {

// What the user is told after the version file was downloaded.
struct UpdateDecision {
  enum class Say { kNothing, kUpToDate, kNewerBuild };
  Say say = Say::kNothing;
  std::string question;      // kNewerBuild only, code page 1251
  std::string page_address;  // kNewerBuild only: opened when the user answers Yes
};

// Builds are compared as text, byte by byte, the way strcmp does: "29" is newer than "280",
// "1000" is not.
bool IsNewerBuild(std::string_view published, std::string_view own);

// Only the lowest byte of the quiet flag counts; quiet hides the up-to-date message only.
UpdateDecision DecideUpdate(std::string_view version_file, std::int32_t selector,
                            std::string_view own_build, std::int32_t quiet);

}  // namespace quellor
