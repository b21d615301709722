// Finding and reading the boxes MessageBox shows: a top-level #32770 dialog holding only a
// text static (id 0xFFFF), maybe an icon, and its buttons.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MessageBoxButton {
  HWND hwnd;
  int id;
  std::string caption;  // without the '&'
};

struct MessageBoxView {
  HWND hwnd;
  std::string caption;
  std::string text;
  std::vector<MessageBoxButton> buttons;  // left to right
  std::string icon;                       // "question" and the like, "" if none or unknown
};

bool is_visible_dialog(HWND hwnd);

// The first visible message box, of any process when `owner` is 0.
HWND find_message_box(DWORD owner);
MessageBoxView read_message_box(HWND hwnd);
void print_message_box(const MessageBoxView& box);
