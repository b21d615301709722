// Wine closes a virtual desktop a few seconds after the last process on it has gone; then
// the next program starts a new one (in its own process group, so stopping that program
// stops the desktop too). Holding it from the start keeps one desktop for a whole test run.
#include <windows.h>

#include "commands.h"

namespace commands {

int hold_desktop(const Arguments& args) {
  args.expect_positional(0);
  GetDesktopWindow();  // attaches this process to the desktop, starting it when needed
  Sleep(INFINITE);
  return kDone;
}

}  // namespace commands
