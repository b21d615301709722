#include "message_box.h"

#include <algorithm>

#include "arguments.h"
#include "message_box_icon.h"
#include "text.h"
#include "windows_query.h"

namespace {

constexpr int kTextId = 0xFFFF;

bool looks_like_message_box(HWND hwnd) {
  bool has_text = false;
  bool has_button = false;
  for (HWND child : descendants(hwnd)) {
    std::string kind = window_class(child);
    if (kind == "Button")
      has_button = true;
    else if (kind == "Static")
      has_text = has_text || GetDlgCtrlID(child) == kTextId;
    else
      return false;
  }
  return has_text && has_button;
}

bool is_icon(HWND hwnd) {
  return window_class(hwnd) == "Static" &&
         (GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// A box just shown may not have painted its icon yet.
std::string icon_once_drawn(HWND icon_static) {
  constexpr DWORD kPaintWaitMs = 500;
  std::string name;
  wait_for([&] { return (name = standard_icon_at(icon_static)).empty() ? nullptr : icon_static; },
           kPaintWaitMs);
  return name;
}

int left_edge(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r.left;
}

}  // namespace

bool is_visible_dialog(HWND hwnd) {
  return window_class(hwnd) == "#32770" && IsWindowVisible(hwnd);
}

HWND find_message_box(DWORD owner) {
  for (HWND hwnd : top_level_windows()) {
    if (owner && owner_pid(hwnd) != owner) continue;
    if (is_visible_dialog(hwnd) && looks_like_message_box(hwnd)) return hwnd;
  }
  return nullptr;
}

MessageBoxView read_message_box(HWND hwnd) {
  MessageBoxView box{hwnd, window_text(hwnd), "", {}, ""};
  for (HWND child : descendants(hwnd)) {
    if (GetDlgCtrlID(child) == kTextId && window_class(child) == "Static")
      box.text = window_text(child);
    else if (is_icon(child))
      box.icon = icon_once_drawn(child);
    else if (window_class(child) == "Button" && IsWindowVisible(child))
      box.buttons.push_back({child, GetDlgCtrlID(child), without_mnemonic(window_text(child))});
  }
  std::sort(box.buttons.begin(), box.buttons.end(),
            [](const auto& a, const auto& b) { return left_edge(a.hwnd) < left_edge(b.hwnd); });
  return box;
}

void print_message_box(const MessageBoxView& box) {
  std::string buttons;
  for (const auto& button : box.buttons) buttons += (buttons.empty() ? "" : ",") + button.caption;
  print_line("hwnd=" + format_handle(box.hwnd));
  print_line("caption=" + escape_value(box.caption));
  print_line("text=" + escape_value(box.text));
  print_line("buttons=" + buttons);
  if (!box.icon.empty()) print_line("icon=" + box.icon);
}
