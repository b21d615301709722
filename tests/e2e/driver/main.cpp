// driver.exe: lets the end-to-end tests find, read and work other programs' windows.
// Values go to stdout in UTF-8, one a line; the exit code is 0 (done), 1 (what was waited
// for did not turn up, or the window is gone) or 2 (wrong command line).
#include <windows.h>
// After windows.h: they need its types.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "text.h"
#include "windows_query.h"

namespace {

constexpr int kBadUsage = 2;

const char kUsage[] = R"(usage: driver.exe COMMAND [ARGS]
Handles are hexadecimal (0x1003e); numbers decimal or 0x hexadecimal. Texts are printed with
\\, \t and \n for backslash, tab and newline. Waits last --timeout-ms N (default 10000).

  wait-window (--title T | --title-prefix P) [--class C] [--timeout-ms N]   -> handle
  no-window (--title T | --title-prefix P) [--class C] --for-ms N
  caption H | class H | visible H | enabled H       -> text, class, 1/0, 1/0
  pid H                                             -> Windows process id of its owner
  rect H                                            -> left top right bottom (screen)
  children H       -> handle, class, id, visible, enabled, text (tab-separated), a line each
  find-child H [--class C] [--text T] [--id N] [--timeout-ms N]   -> handle
                   (T matches with or without the '&' of a shortcut)
  list-items H     -> "count=N selected=I", then the items
  click H          post BM_CLICK
  command H ID     post WM_COMMAND ID
  post H MSG WPARAM LPARAM
  close H          post WM_CLOSE
  select H INDEX   select a list box item and tell the parent (LBN_SELCHANGE)
  message-box [--owner-pid P] [--timeout-ms N]
                   -> hwnd=, caption=, text=, buttons=Yes,No and, when told, icon=question
                      (or warning, error, information)
  no-message-box [--owner-pid P] --for-ms N
  answer ok|cancel|yes|no|abort|retry|ignore [--expect-text T] [--owner-pid P] [--timeout-ms N]
                   prints the box, presses the button, waits for the box to close
  file-dialog PATH [--timeout-ms N]   type PATH in an open/save dialog and press OK
  file-dialog --cancel [--timeout-ms N]
  hold-desktop     stay on the virtual desktop until killed, so Wine keeps it up
  drop-files H PATH...   drop files on a window as the shell does
  hold-file PATH   open PATH without sharing, print "held", keep it open until killed
)";

struct Command {
  const char* name;
  int (*run)(const Arguments&);
  std::vector<std::string> options;
};

const std::vector<Command> kCommands = {
    {"wait-window", commands::wait_window, {"title=", "title-prefix=", "class=", "timeout-ms="}},
    {"no-window", commands::no_window, {"title=", "title-prefix=", "class=", "for-ms="}},
    {"caption", commands::caption, {}},
    {"class", commands::class_of, {}},
    {"visible", commands::visible, {}},
    {"enabled", commands::enabled, {}},
    {"pid", commands::pid, {}},
    {"rect", commands::rect, {}},
    {"children", commands::children, {}},
    {"find-child", commands::find_child, {"class=", "text=", "id=", "timeout-ms="}},
    {"list-items", commands::list_items, {}},
    {"click", commands::click, {}},
    {"command", commands::command, {}},
    {"post", commands::post, {}},
    {"close", commands::close, {}},
    {"select", commands::select, {}},
    {"message-box", commands::message_box, {"owner-pid=", "timeout-ms="}},
    {"no-message-box", commands::no_message_box, {"owner-pid=", "for-ms="}},
    {"answer", commands::answer, {"expect-text=", "owner-pid=", "timeout-ms="}},
    {"file-dialog", commands::file_dialog, {"cancel", "timeout-ms="}},
    {"hold-desktop", commands::hold_desktop, {}},
    {"drop-files", commands::drop_files, {}},
    {"hold-file", commands::hold_file, {}},
};

// The arguments in UTF-8: the narrow argv of a Windows program is in the ANSI code page.
std::vector<std::string> utf8_arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(narrow(words[i]));
  LocalFree(words);
  return arguments;
}

int run(const std::vector<std::string>& words) {
  if (words.empty()) throw UsageError("no command");
  for (const auto& command : kCommands) {
    if (words[0] == command.name) {
      return command.run(Arguments({words.begin() + 1, words.end()}, command.options));
    }
  }
  throw UsageError("unknown command: " + words[0]);
}

}  // namespace

int main() {
  // Plain \n line ends; the harness reads bytes.
  _setmode(_fileno(stdout), _O_BINARY);
  try {
    return run(utf8_arguments());
  } catch (const UsageError& error) {
    std::fprintf(stderr, "%s\n%s", error.what(), kUsage);
    return kBadUsage;
  } catch (const WindowError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return kNotFound;
  }
}
