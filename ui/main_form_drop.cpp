// Pictures, folders and list files dropped from the shell onto the main window, and the
// entry count label.

#include <algorithm>
#include <cctype>

#include "core/app_texts.h"
#include "core/paths.h"
#include "ui/main_form.h"

namespace {

const char* const kPictureExtensions[] = {".bmp", ".jpg", ".jpeg", ".gif", ".png", ".wmf", ".emf"};
// Folder walks take a file whose extension occurs anywhere in this text.
constexpr std::string_view kPictureMask = "*.bmp;*.jpg;*.jpeg;*.wmf;*.emf;*.gif;*.png";

// The lower-cased extension with its dot, or empty when the file name has none.
std::string lowerExtension(const std::string& path) {
  std::size_t dot = path.find_last_of(".\\:");
  if (dot == std::string::npos || path[dot] != '.') return {};
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return extension;
}

bool isPicture(const std::string& extension) {
  return std::find(std::begin(kPictureExtensions), std::end(kPictureExtensions), extension) !=
         std::end(kPictureExtensions);
}

}  // namespace

void TMainForm::appendEntry(const std::string& path) {
  WallpaperPaths.push_back(path);
  LstBx_Wallpapers->add(core::fileNamePart(path));
}

void TMainForm::ScanFolder(const std::string& folder) {
  for (const auto& entry : system_.listFolder(folder)) {
    if (entry.isFolder) {
      ScanFolder(folder + entry.name + "\\");
      continue;
    }
    std::string extension = lowerExtension(entry.name);
    if (!extension.empty() && kPictureMask.find(extension) != std::string_view::npos) {
      appendEntry(folder + entry.name);
    }
  }
}

void TMainForm::WMDropFiles(const std::vector<std::string>& paths) {
  for (const auto& path : paths) {
    std::string extension = lowerExtension(path);
    if (isPicture(extension)) {
      appendEntry(path);
      selectRandomEntry();
      setListControlsEnabled(true);
      LstBx_WallpapersClick();
    }
    if (extension == ".wlt") {
      ListFileName = path;
      loadListFile(path);
      selectRandomEntry();
      setListControlsEnabled(true);
      window->setText(core::mainCaption(ListFileName, true));
      LstBx_WallpapersClick();
      return;
    }
    if (system_.folderExists(path)) {
      ScanFolder(path + "\\");
      setListControlsEnabled(true);
      LstBx_Wallpapers->setItemIndex(0);
      LstBx_WallpapersClick();
    }
  }
}

void TMainForm::tmp_wallcountTimer() {
  lbl_wallcount->setText(std::to_string(WallpaperPaths.size()));
}
