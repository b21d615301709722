// Commands that find windows and read them.
#include <windows.h>

#include "commands.h"
#include "text.h"
#include "windows_query.h"

namespace {

// A top-level window by its title (exact or prefix) and optionally its class.
HWND find_top_level(const Arguments& args) {
  auto exact = args.option("title");
  auto prefix = args.option("title-prefix");
  if (!exact && !prefix) throw UsageError("--title or --title-prefix is needed");
  auto wanted_class = args.option("class");
  for (HWND hwnd : top_level_windows()) {
    if (wanted_class && window_class(hwnd) != *wanted_class) continue;
    std::string title = window_title(hwnd);
    if (exact ? title == *exact : title.rfind(*prefix, 0) == 0) return hwnd;
  }
  return nullptr;
}

bool text_matches(HWND hwnd, const std::string& wanted) {
  std::string text = window_text(hwnd);
  return text == wanted || without_mnemonic(text) == wanted;
}

HWND find_descendant(HWND parent, const Arguments& args) {
  auto wanted_class = args.option("class");
  auto wanted_text = args.option("text");
  auto wanted_id = args.option("id");
  for (HWND child : descendants(parent)) {
    if (wanted_class && window_class(child) != *wanted_class) continue;
    if (wanted_id && GetDlgCtrlID(child) != parse_number(*wanted_id)) continue;
    if (wanted_text && !text_matches(child, *wanted_text)) continue;
    return child;
  }
  return nullptr;
}

std::string flag_text(BOOL value) { return value ? "1" : "0"; }

// The window named by the only positional argument, checked to exist.
HWND target(const Arguments& args) {
  args.expect_positional(1);
  HWND hwnd = args.handle(0);
  require_window(hwnd);
  return hwnd;
}

}  // namespace

namespace commands {

int wait_window(const Arguments& args) {
  args.expect_positional(0);
  HWND hwnd = wait_for([&] { return find_top_level(args); }, timeout_ms(args));
  if (!hwnd) return not_found("no such window");
  print_line(format_handle(hwnd));
  return kDone;
}

int no_window(const Arguments& args) {
  args.expect_positional(0);
  if (!stays_absent([&] { return find_top_level(args); }, for_ms(args)))
    return not_found("the window appeared");
  return kDone;
}

int caption(const Arguments& args) {
  print_line(escape_value(window_text(target(args))));
  return kDone;
}

int class_of(const Arguments& args) {
  print_line(window_class(target(args)));
  return kDone;
}

int visible(const Arguments& args) {
  print_line(flag_text(IsWindowVisible(target(args))));
  return kDone;
}

int enabled(const Arguments& args) {
  print_line(flag_text(IsWindowEnabled(target(args))));
  return kDone;
}

// The Windows process id, for --owner-pid.
int pid(const Arguments& args) {
  print_line(std::to_string(owner_pid(target(args))));
  return kDone;
}

int rect(const Arguments& args) {
  RECT r{};
  GetWindowRect(target(args), &r);
  print_line(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
             " " + std::to_string(r.bottom));
  return kDone;
}

int children(const Arguments& args) {
  for (HWND child : descendants(target(args))) {
    print_line(format_handle(child) + "\t" + window_class(child) + "\t" +
               std::to_string(GetDlgCtrlID(child)) + "\t" + flag_text(IsWindowVisible(child)) +
               "\t" + flag_text(IsWindowEnabled(child)) + "\t" + escape_value(window_text(child)));
  }
  return kDone;
}

int find_child(const Arguments& args) {
  HWND parent = target(args);
  HWND child = wait_for([&] { return find_descendant(parent, args); }, timeout_ms(args));
  if (!child) return not_found("no such child window");
  print_line(format_handle(child));
  return kDone;
}

int list_items(const Arguments& args) {
  HWND list = target(args);
  auto count = send_with_timeout(list, LB_GETCOUNT, 0, 0);
  auto selected = send_with_timeout(list, LB_GETCURSEL, 0, 0);
  print_line("count=" + std::to_string(count) + " selected=" + std::to_string(selected));
  for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
    auto length = send_with_timeout(list, LB_GETTEXTLEN, i, 0);
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    send_with_timeout(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(length));
    print_line(escape_value(narrow(item)));
  }
  return kDone;
}

}  // namespace commands
