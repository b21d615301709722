// The driver's commands; each returns the process exit code.
#pragma once

#include <cstdio>
#include <string>

#include "arguments.h"

constexpr int kDone = 0;
constexpr int kNotFound = 1;

// How long a command waits for what it looks for unless --timeout-ms says otherwise.
constexpr long kDefaultTimeoutMs = 10000;

inline DWORD timeout_ms(const Arguments& args) {
  return static_cast<DWORD>(args.number_option("timeout-ms", kDefaultTimeoutMs));
}

// How long the no-... commands watch.
inline DWORD for_ms(const Arguments& args) {
  return static_cast<DWORD>(args.number_option("for-ms", 0));
}

// Says on stderr what did not turn up and gives the exit code for it.
inline int not_found(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  return kNotFound;
}

namespace commands {

int wait_window(const Arguments& args);
int no_window(const Arguments& args);
int caption(const Arguments& args);
int class_of(const Arguments& args);
int visible(const Arguments& args);
int enabled(const Arguments& args);
int pid(const Arguments& args);
int rect(const Arguments& args);
int children(const Arguments& args);
int find_child(const Arguments& args);
int list_items(const Arguments& args);

int click(const Arguments& args);
int command(const Arguments& args);
int post(const Arguments& args);
int close(const Arguments& args);
int select(const Arguments& args);

int message_box(const Arguments& args);
int no_message_box(const Arguments& args);
int answer(const Arguments& args);
int file_dialog(const Arguments& args);

int hold_desktop(const Arguments& args);

int drop_files(const Arguments& args);
int hold_file(const Arguments& args);

}  // namespace commands
