// Commands that act on windows. They post rather than send, so a modal loop the target
// enters (a message box, a file dialog) never blocks the driver.
#include <windows.h>

#include "commands.h"
#include "windows_query.h"

namespace {

int post_to(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  require_window(hwnd);
  if (!PostMessageW(hwnd, message, wparam, lparam))
    throw WindowError("cannot post to " + format_handle(hwnd));
  return kDone;
}

}  // namespace

namespace commands {

int click(const Arguments& args) {
  args.expect_positional(1);
  return post_to(args.handle(0), BM_CLICK, 0, 0);
}

int command(const Arguments& args) {
  args.expect_positional(2);
  return post_to(args.handle(0), WM_COMMAND, static_cast<WPARAM>(args.number(1)), 0);
}

int post(const Arguments& args) {
  args.expect_positional(4);
  return post_to(args.handle(0), static_cast<UINT>(args.number(1)),
                 static_cast<WPARAM>(args.number(2)), static_cast<LPARAM>(args.number(3)));
}

int close(const Arguments& args) {
  args.expect_positional(1);
  return post_to(args.handle(0), WM_CLOSE, 0, 0);
}

// Like a user's click on an item: the list box changes, then its parent hears LBN_SELCHANGE.
int select(const Arguments& args) {
  args.expect_positional(2);
  HWND list = args.handle(0);
  require_window(list);
  auto index = args.number(1);
  if (send_with_timeout(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR && index != -1)
    throw WindowError("no item " + std::to_string(index));
  auto id = static_cast<WORD>(GetDlgCtrlID(list));
  return post_to(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

}  // namespace commands
