#pragma once
// Wallpaper list files (".wlt"): one full path per line, every line ended by CR LF, no header.

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Splits a list file's bytes into entries. A line ends at CR LF, a lone CR or a lone LF; a last
// line without an end still counts; a NUL byte ends the text. Lines are kept as they are.
std::vector<std::string> parseListFile(std::string_view bytes);

// The bytes of a list file: every entry followed by CR LF; an empty list gives no bytes.
std::string formatListFile(const std::vector<std::string>& entries);

}  // namespace core
