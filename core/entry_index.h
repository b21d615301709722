#pragma once

#include <cstdint>

namespace core {

// An index into the wallpaper list; wide enough for any list a file can hold.
using EntryIndex = std::int64_t;
constexpr EntryIndex kNoEntry = -1;

}  // namespace core
