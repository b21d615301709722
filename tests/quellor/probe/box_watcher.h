#pragma once

#include <windows.h>

#include <string>

// Watches this process for message boxes while the update check runs: prints what each box
// shows and answers it by pressing one of its buttons.
class BoxWatcher {
 public:
  // `answer`: "yes", "no" or "ok"; a box without that button gets its first button pressed.
  explicit BoxWatcher(std::string answer);
  ~BoxWatcher();  // stops watching
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

 private:
  static DWORD WINAPI Watch(void* self);
  void AnswerBoxes();

  const std::string answer_;
  HANDLE stop_;
  HANDLE thread_;
};
