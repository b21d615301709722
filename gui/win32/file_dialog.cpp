#include "gui/win32/file_dialog.h"

#include <commdlg.h>

#include <string>

#include "gui/win32/events.h"

namespace win32 {
namespace {

constexpr DWORD kPathBuffer = 32768;

// "Description|*.ext" becomes the system's "Description\0*.ext\0\0".
std::string systemFilter(const std::string& filter) {
  std::string result = filter;
  for (char& c : result) {
    if (c == '|') c = '\0';
  }
  result.append(2, '\0');
  return result;
}

class FileDialog : public gui::FileDialog {
 public:
  FileDialog(HWND owner, bool save) : owner_(owner), save_(save) {}

  bool execute() override {
    std::string buffer(kPathBuffer, '\0');
    std::string filterText = systemFilter(filter);
    // The folder-change handler may set initialDir while the dialog runs.
    const std::string startFolder = initialDir;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kPathBuffer;
    dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
    dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (save_) dialog.Flags |= OFN_OVERWRITEPROMPT;
    dialog.lpfnHook = hook;
    dialog.lCustData = reinterpret_cast<LPARAM>(this);
    BOOL chosen = save_ ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return false;
    fileName = buffer.c_str();
    return true;
  }

 private:
  static UINT_PTR CALLBACK hook(HWND dialogChild, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      auto* dialog = reinterpret_cast<OPENFILENAMEA*>(lParam);
      SetWindowLongPtrW(dialogChild, GWLP_USERDATA, dialog->lCustData);
      return 0;
    }
    if (message != WM_NOTIFY) return 0;
    auto* notice = reinterpret_cast<OFNOTIFYA*>(lParam);
    if (notice->hdr.code != CDN_FOLDERCHANGE) return 0;
    auto* self = reinterpret_cast<FileDialog*>(GetWindowLongPtrW(dialogChild, GWLP_USERDATA));
    if (!self || !self->onFolderChange) return 0;
    char path[MAX_PATH * 4] = {};
    SendMessageA(GetParent(dialogChild), CDM_GETFILEPATH, sizeof path,
                 reinterpret_cast<LPARAM>(path));
    std::string current = path;
    fire([&] { self->onFolderChange(current); });
    return 0;
  }

  HWND owner_;
  bool save_;
};

}  // namespace

std::unique_ptr<gui::FileDialog> makeFileDialog(HWND owner, bool save) {
  return std::make_unique<FileDialog>(owner, save);
}

}  // namespace win32
