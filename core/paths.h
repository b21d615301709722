#pragma once
// Path pieces the way the program's file names are taken apart: "\" and ":" both end a folder.

#include <string>
#include <string_view>

namespace core {

// The text after the last "\" or ":"; the whole path when it has neither.
std::string fileNamePart(std::string_view path);

// The text up to and including the last "\" or ":" (empty when there is none).
std::string folderWithDelimiter(std::string_view path);

// The folder of a path without its trailing "\", except for a drive root such as "C:\".
std::string folderOf(std::string_view path);

// The path with its extension (from the last "." of the file name on) replaced.
std::string replaceExtension(std::string_view path, std::string_view extension);

}  // namespace core
