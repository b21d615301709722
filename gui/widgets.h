#pragma once
// The window layer's controls as the program's windows see them: plain state and events, with
// no trace of the system that shows them. The Win32 layer implements them over real windows;
// tests implement them over plain members.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gui {

using Handler = std::function<void()>;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// How a control's text bytes are meant: the program's own Russian texts are code page 1251;
// file names and paths are in the system's ANSI code page.
enum class TextKind { Interface, SystemAnsi };

class Control {
 public:
  virtual ~Control() = default;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setVisible(bool visible) = 0;
  virtual bool visible() const = 0;
};

class TextControl : public Control {
 public:
  virtual void setText(const std::string& text) = 0;
  virtual std::string text() const = 0;
};

class Button : public TextControl {
 public:
  Handler onClick;
};

class Label : public TextControl {};

class Panel : public Control {};

// How a picture control draws its picture: stretched over the control, keeping its aspect
// ratio, centred; with none of these, at its own size in the top-left corner.
struct PictureDrawing {
  bool stretch = false;
  bool proportional = false;
  bool center = false;
};

class Picture : public Control {
 public:
  // Loads a picture file, the reader chosen by its extension. When it fails the error names
  // the file, and the previous picture stays.
  virtual void loadFromFile(const std::string& path) = 0;
  virtual void setDrawing(const PictureDrawing& drawing) = 0;
  // The loaded picture's own size in pixels; 0 x 0 before any.
  virtual int pictureWidth() const = 0;
  virtual int pictureHeight() const = 0;
  Handler onClick;
  Handler onDoubleClick;
};

class ListBox : public Control {
 public:
  virtual void add(const std::string& item) = 0;
  // Replaces all items at once; the cheap way to show a long list.
  virtual void assign(const std::vector<std::string>& items) = 0;
  virtual std::int64_t count() const = 0;
  virtual std::string item(std::int64_t index) const = 0;
  // -1 when nothing is selected; selecting past the end selects nothing.
  virtual std::int64_t itemIndex() const = 0;
  virtual void setItemIndex(std::int64_t index) = 0;
  Handler onClick;
  Handler onDoubleClick;
};

// A number between a minimum and a maximum, changed by its arrows only.
class SpinEdit : public Control {
 public:
  virtual int value() const = 0;
  virtual void setValue(int value) = 0;  // held within the bounds
  Handler onChange;
};

class ProgressBar : public Control {
 public:
  virtual int position() const = 0;
  virtual void setPosition(int position) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(std::uint32_t milliseconds) = 0;
  virtual std::uint32_t interval() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  Handler onTimer;
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual void setText(const std::string& text) = 0;
  virtual std::string text() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  Handler onClick;
};

class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  // Opens with its top-left corner at the screen point; returns when the menu closes.
  virtual void popup(int x, int y) = 0;
};

// A top-level window.
class Form : public TextControl {
 public:
  virtual Rect bounds() const = 0;  // outer position and size on the screen
  virtual void setBounds(const Rect& bounds) = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  // Files dropped from the shell reach onDropFiles from now on.
  virtual void acceptDroppedFiles() = 0;
  // Gives a global hot key of this window back; an id never registered is no error.
  virtual void unregisterHotKey(int id) = 0;
  // The close box or Alt+F4; the window stays when the handler returns false.
  std::function<bool()> onCloseQuery;
  std::function<void(int id)> onHotKey;
  // The system asks whether the session may end; runs after the default answer is given.
  Handler onQueryEndSession;
  std::function<void(const std::vector<std::string>& paths)> onDropFiles;
};

// A file open or save dialog and the settings the program gives it.
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  std::string filter;      // "Description|*.ext"
  std::string defaultExt;  // without the dot, or empty
  std::string initialDir;
  std::string fileName;  // the chosen file after a successful execute()
  // Runs the dialog; true when the user chose a file.
  virtual bool execute() = 0;
  // The folder changed inside the dialog; the argument is the path the dialog reports.
  std::function<void(const std::string& currentPath)> onFolderChange;
};

class NotifyIcon {
 public:
  virtual ~NotifyIcon() = default;
  Handler onClick;
  Handler onDoubleClick;
  Handler onRightClick;
};

}  // namespace gui
