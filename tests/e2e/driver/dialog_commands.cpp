// Commands for the modal dialogs other programs show: message boxes and file dialogs.
#include <windows.h>

#include <algorithm>

#include "commands.h"
#include "message_box.h"
#include "text.h"
#include "windows_query.h"

namespace {

// The file-name box of the common file dialogs: cmb13 (a combo box) or edt1.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

struct ButtonName {
  const char* name;
  int id;
};
constexpr ButtonName kButtons[] = {{"ok", IDOK},       {"cancel", IDCANCEL}, {"abort", IDABORT},
                                   {"retry", IDRETRY}, {"ignore", IDIGNORE}, {"yes", IDYES},
                                   {"no", IDNO}};

int button_id(const std::string& name) {
  for (const auto& button : kButtons)
    if (name == button.name) return button.id;
  throw UsageError("no button named " + name);
}

// The Windows process id of --owner-pid, 0 for any process.
DWORD owner(const Arguments& args) {
  return static_cast<DWORD>(args.number_option("owner-pid", 0));
}

HWND wait_message_box(const Arguments& args) {
  return wait_for([&] { return find_message_box(owner(args)); }, timeout_ms(args));
}

std::string without_cr(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

HWND file_name_box(HWND dialog) {
  for (HWND child : descendants(dialog)) {
    int id = GetDlgCtrlID(child);
    if (id == kFileNameCombo || id == kFileNameEdit) return child;
  }
  return nullptr;
}

// A dialog counts once its file-name box can take input: Wine shows the dialog a little
// before it has finished setting up its controls.
HWND find_file_dialog() {
  for (HWND hwnd : top_level_windows()) {
    if (!is_visible_dialog(hwnd)) continue;
    HWND box = file_name_box(hwnd);
    if (box && IsWindowVisible(box) && IsWindowEnabled(box)) return hwnd;
  }
  return nullptr;
}

// Types until the box reads the path back, so a late reset by the dialog cannot swallow it.
bool type_file_name(HWND dialog, const std::string& path, DWORD timeout_ms) {
  HWND box = file_name_box(dialog);
  std::wstring wide = widen(path);
  return wait_for(
             [&] {
               send_with_timeout(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
               return window_text(box) == path ? box : nullptr;
             },
             timeout_ms) != nullptr;
}

void press(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (!button) throw WindowError("the dialog has no button " + std::to_string(id));
  PostMessageW(button, BM_CLICK, 0, 0);
}

}  // namespace

namespace commands {

int message_box(const Arguments& args) {
  args.expect_positional(0);
  HWND box = wait_message_box(args);
  if (!box) return not_found("no message box");
  print_message_box(read_message_box(box));
  return kDone;
}

int no_message_box(const Arguments& args) {
  args.expect_positional(0);
  if (!stays_absent([&] { return find_message_box(owner(args)); }, for_ms(args)))
    return not_found("a message box appeared");
  return kDone;
}

// Presses the button only when the box says what the test expects, then waits for it to go.
int answer(const Arguments& args) {
  args.expect_positional(1);
  int id = button_id(args.text(0));
  HWND hwnd = wait_message_box(args);
  if (!hwnd) return not_found("no message box");
  MessageBoxView box = read_message_box(hwnd);
  print_message_box(box);
  auto expected = args.option("expect-text");
  if (expected && without_cr(*expected) != without_cr(box.text))
    return not_found("the message box says something else");
  auto button = std::find_if(box.buttons.begin(), box.buttons.end(),
                             [id](const auto& b) { return b.id == id; });
  if (button == box.buttons.end())
    return not_found("the message box has no button " + args.text(0));
  PostMessageW(button->hwnd, BM_CLICK, 0, 0);
  if (!wait_gone(hwnd, timeout_ms(args))) return not_found("the message box stayed open");
  return kDone;
}

// Fills the file name and presses OK, or presses Cancel; what the dialog does next (close,
// ask to overwrite, complain) is for the following commands to see.
int file_dialog(const Arguments& args) {
  bool cancel = args.flag("cancel");
  args.expect_positional(cancel ? 0 : 1);
  HWND dialog = wait_for(find_file_dialog, timeout_ms(args));
  if (!dialog) return not_found("no file dialog");
  if (cancel) {
    press(dialog, IDCANCEL);
  } else {
    if (!type_file_name(dialog, args.text(0), timeout_ms(args)))
      return not_found("the file name box does not take the path");
    press(dialog, IDOK);
  }
  print_line(format_handle(dialog));
  return kDone;
}

}  // namespace commands
