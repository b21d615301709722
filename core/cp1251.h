#pragma once
// The interface texts are written in the source as UTF-8 and used as code page 1251 bytes,
// the form the settings file and the window texts hold them in.

#include <string>
#include <string_view>

namespace core {

// Converts UTF-8 text made of ASCII and Russian letters (and the few signs code page 1251
// has) to code page 1251 bytes; a character outside it becomes "?".
std::string cp1251(std::string_view utf8);

}  // namespace core
