// Commands that act as the shell or another program would on files: dropping them on a window,
// and holding one open so that nobody else can open it.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "commands.h"
#include "text.h"
#include "windows_query.h"

namespace commands {

// A DROPFILES block written into the target process, as the shell hands it over.
int drop_files(const Arguments& args) {
  if (args.positional_count() < 2) throw UsageError("drop-files needs a window and a path");
  HWND target = args.handle(0);
  require_window(target);
  std::wstring names;
  for (size_t i = 1; i < args.positional_count(); ++i) names += widen(args.text(i)) + L'\0';
  names += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::vector<char> block(sizeof header + names.size() * sizeof(wchar_t));
  memcpy(block.data(), &header, sizeof header);
  memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));

  DWORD pid = 0;
  GetWindowThreadProcessId(target, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
  void* remote = process ? VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                          PAGE_READWRITE)
                         : nullptr;
  bool written = remote && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
  if (process) CloseHandle(process);
  if (!written) throw WindowError("cannot write the drop into the window's process");
  if (!PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
    throw WindowError("cannot post the drop");
  return kDone;
}

// Prints "held" once the file is open without sharing, then keeps it so until killed.
int hold_file(const Arguments& args) {
  args.expect_positional(1);
  HANDLE file = CreateFileW(widen(args.text(0)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return not_found("cannot open " + args.text(0));
  print_line("held");
  std::fflush(stdout);
  Sleep(INFINITE);
  return kDone;
}

}  // namespace commands
