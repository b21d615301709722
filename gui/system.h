#pragma once
// The system services the windows use: the application object, message boxes, files, the
// settings store and the clock. One implementation over Win32, one fake for tests.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/profile_store.h"
#include "gui/widgets.h"

namespace gui {

// Message box flags and answers, as the system numbers them.
enum : unsigned {
  kMbOk = 0x00,
  kMbYesNo = 0x04,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
};
enum : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

class Application {
 public:
  virtual ~Application() = default;
  virtual void setTitle(const std::string& title) = 0;
  virtual std::string title() const = 0;
  virtual void minimize() = 0;
  virtual void restore() = 0;
  // Ends the message loop at its next turn.
  virtual void terminate() = 0;
  virtual bool terminated() const = 0;
  // Lets the message loop handle what is pending, once.
  virtual void processMessages() = 0;
  // The top-level error report: the error's text in an error box under the title.
  virtual void showException(const std::string& text) = 0;
  Handler onMinimize;
};

// Runs a handler the way every event runs: an error that leaves it is reported, and the
// program goes on.
void runGuarded(Application& app, const Handler& handler);

// A text made of pieces of different kinds, such as a Russian message around a file name.
struct TextPiece {
  std::string bytes;
  TextKind kind;
};
using MixedText = std::vector<TextPiece>;

class System {
 public:
  virtual ~System() = default;
  // The caption is the application title, plain ASCII.
  virtual int messageBox(const Form* owner, const MixedText& text, const std::string& caption,
                         unsigned flags) = 0;
  int messageBox(const Form* owner, const std::string& text, const std::string& caption,
                 unsigned flags, TextKind textKind) {
    return messageBox(owner, MixedText{{text, textKind}}, caption, flags);
  }
  virtual std::string programPath() = 0;
  virtual bool fileExists(const std::string& path) = 0;  // false for a folder
  virtual bool folderExists(const std::string& path) = 0;
  // The entries of a folder ("F\\" given) in the order the file system gives them, without
  // "." and "..".
  struct FolderEntry {
    std::string name;
    bool isFolder;
  };
  virtual std::vector<FolderEntry> listFolder(const std::string& folder) = 0;
  // Throws core::FileError("Cannot open file <path>").
  virtual std::string readFile(const std::string& path) = 0;
  // Writes beside the file and then replaces it, so a failed write leaves the old file whole.
  // Throws core::FileError("Cannot create file <path>").
  virtual void writeFile(const std::string& path, const std::string& bytes) = 0;
  // A picture file's width and height from its header; throws an error naming the file.
  virtual std::pair<int, int> pictureSize(const std::string& path) = 0;
  virtual std::uint32_t secondsNow() = 0;
  virtual core::ProfileStore& profile() = 0;
};

}  // namespace gui
