#pragma once
// Texts and names the whole program shares.

#include <string>
#include <string_view>

namespace core {

inline constexpr std::string_view kAppTitle = "Varnok Wallpaper 2008";
inline constexpr std::string_view kListCaptionInfix = " - Wallpaper List: ";

// The main window caption: the title alone without a list file, else title + infix + file name.
std::string mainCaption(std::string_view listFileName, bool listHasFile);

// Whether a main window caption says the list has a file of its own.
inline bool captionNamesListFile(std::string_view caption) { return caption != kAppTitle; }

}  // namespace core
