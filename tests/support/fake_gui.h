#pragma once
// A fake window layer and system for driving the program's windows in tests: controls keep
// their state in plain members, dialogs and message boxes answer from a script, files and the
// settings store live in memory.

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gui/factory.h"
#include "gui/system.h"

namespace fake {

template <class Base>
class ControlState : public Base {
 public:
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void setVisible(bool visible) override { visible_ = visible; }
  bool visible() const override { return visible_; }

 private:
  bool enabled_ = true;
  bool visible_ = true;
};

template <class Base>
class TextState : public ControlState<Base> {
 public:
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }

 private:
  std::string text_;
};

class Form : public TextState<gui::Form> {
 public:
  // Listed in `registry` under `name` while it lives.
  Form(std::map<std::string, Form*>& registry, std::string name);
  ~Form() override;
  gui::Rect bounds() const override { return bounds_; }
  void setBounds(const gui::Rect& bounds) override { bounds_ = bounds; }
  void show() override { setVisible(true); }
  void hide() override { setVisible(false); }
  void acceptDroppedFiles() override { acceptsDrops = true; }
  void unregisterHotKey(int id) override { unregisteredHotKeys.push_back(id); }
  bool acceptsDrops = false;
  std::vector<int> unregisteredHotKeys;

 private:
  std::map<std::string, Form*>& registry_;
  std::string name_;
  gui::Rect bounds_;
};

class ListBox : public ControlState<gui::ListBox> {
 public:
  void add(const std::string& item) override { items_.push_back(item); }
  void assign(const std::vector<std::string>& items) override { items_ = items, index_ = -1; }
  std::int64_t count() const override { return static_cast<std::int64_t>(items_.size()); }
  std::string item(std::int64_t index) const override { return items_.at(index); }
  std::int64_t itemIndex() const override { return index_; }
  void setItemIndex(std::int64_t index) override { index_ = index < count() ? index : -1; }
  const std::vector<std::string>& items() const { return items_; }

 private:
  std::vector<std::string> items_;
  std::int64_t index_ = -1;
};

class SpinEdit : public ControlState<gui::SpinEdit> {
 public:
  SpinEdit(int minimum, int maximum) : minimum_(minimum), maximum_(maximum) {}
  int value() const override { return value_; }
  void setValue(int value) override;

 private:
  int minimum_, maximum_, value_ = 0;
};

class Timer : public gui::Timer {
 public:
  void setInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }
  std::uint32_t interval() const override { return interval_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }

 private:
  std::uint32_t interval_ = 1000;
  bool enabled_ = false;
};

class MenuItem : public gui::MenuItem {
 public:
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }

 private:
  std::string text_;
  bool enabled_ = true;
};

class PopupMenu : public gui::PopupMenu {
 public:
  void popup(int x, int y) override { poppedAt.push_back({x, y, 0, 0}); }
  std::vector<gui::Rect> poppedAt;
};

// A dialog answers from its script: each entry is the chosen path, or nullopt for Cancel.
class FileDialog : public gui::FileDialog {
 public:
  bool execute() override;
  std::deque<std::optional<std::string>> answers;
  int shown = 0;
};

// Loads what the factory's `pictures` table holds (path -> width and height).
class Picture : public ControlState<gui::Picture> {
 public:
  explicit Picture(const std::map<std::string, std::pair<int, int>>& pictures)
      : pictures_(pictures) {}
  void loadFromFile(const std::string& path) override;
  void setDrawing(const gui::PictureDrawing&) override {}
  int pictureWidth() const override { return size_.first; }
  int pictureHeight() const override { return size_.second; }
  std::string loaded;  // the path of the picture shown

 private:
  const std::map<std::string, std::pair<int, int>>& pictures_;
  std::pair<int, int> size_{0, 0};
};

class ProgressBar : public ControlState<gui::ProgressBar> {
 public:
  int position() const override { return position_; }
  void setPosition(int position) override { position_ = position; }

 private:
  int position_ = 0;
};

class Factory : public gui::Factory {
 public:
  explicit Factory(const std::map<std::string, std::pair<int, int>>& pictures)
      : pictures_(pictures) {}
  std::unique_ptr<gui::Form> form(const gui::FormArgs& args) override;
  std::unique_ptr<gui::Panel> panel(const gui::ControlArgs& args) override;
  std::unique_ptr<gui::Button> button(const gui::ControlArgs& args) override;
  std::unique_ptr<gui::Label> label(const gui::ControlArgs& args, gui::LabelLook look) override;
  std::unique_ptr<gui::Picture> picture(const gui::ControlArgs& args,
                                        gui::PictureLook look) override;
  std::unique_ptr<gui::ListBox> listBox(const gui::ControlArgs& args) override;
  std::unique_ptr<gui::SpinEdit> spinEdit(const gui::ControlArgs& args, int minimum,
                                          int maximum) override;
  std::unique_ptr<gui::ProgressBar> progressBar(const gui::ControlArgs& args, int maximum) override;
  std::unique_ptr<gui::Timer> timer(gui::Form& owner, const std::string& name) override;
  std::unique_ptr<gui::PopupMenu> popupMenu(gui::Form& owner, const std::string& name) override;
  std::unique_ptr<gui::MenuItem> menuItem(gui::PopupMenu& menu, const std::string& name,
                                          const std::string& text, int commandId,
                                          bool isDefault) override;
  std::unique_ptr<gui::FileDialog> fileDialog(const gui::FileDialogArgs& args) override;
  std::unique_ptr<gui::NotifyIcon> notifyIcon(gui::Form& owner, const std::string& hint,
                                              gui::PopupMenu& menu) override;

  // The controls made so far, by name; they live as long as the window that owns them.
  std::map<std::string, gui::Control*> controls;
  std::map<std::string, FileDialog*> dialogs;
  std::map<std::string, Form*> forms;  // the windows that still exist

 private:
  const std::map<std::string, std::pair<int, int>>& pictures_;
  template <class T, class... Args>
  std::unique_ptr<T> make(const gui::ControlArgs& args, Args&&... ctorArgs);
};

struct MessageBoxCall {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  bool owned = false;
};

class System : public gui::System, public core::ProfileStore {
 public:
  using gui::System::messageBox;
  int messageBox(const gui::Form* owner, const gui::MixedText& text, const std::string& caption,
                 unsigned flags) override;
  std::string programPath() override { return programPath_; }
  bool fileExists(const std::string& path) override { return files.count(path) != 0; }
  bool folderExists(const std::string& path) override;
  std::vector<FolderEntry> listFolder(const std::string& folder) override;
  std::string readFile(const std::string& path) override;
  void writeFile(const std::string& path, const std::string& bytes) override;
  std::pair<int, int> pictureSize(const std::string& path) override;
  std::uint32_t secondsNow() override { return clock; }
  core::ProfileStore& profile() override { return *this; }

  std::string read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback) override;
  bool write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;

  std::string programPath_ = "C:\\Program\\wallpaper.exe";
  std::string iniPath = "C:\\Program\\wallpaper.ini";
  std::uint32_t clock = 1234;
  std::map<std::string, std::string> files;  // full path -> bytes; folders are implied
  // Picture files among them that read, with their sizes; the factory's pictures show them.
  std::map<std::string, std::pair<int, int>> pictures;
  std::set<std::string> unreadable;
  std::set<std::string> unwritable;
  // section -> key -> value, of the settings file only.
  std::map<std::string, std::map<std::string, std::string>> ini;
  bool iniReadOnly = false;
  std::vector<std::string> iniWrites;  // "SECTION/Key=value" in order
  std::deque<int> answers;             // message box answers; OK when empty
  std::vector<MessageBoxCall> messageBoxes;
};

class Application : public gui::Application {
 public:
  void setTitle(const std::string& title) override { title_ = title; }
  std::string title() const override { return title_; }
  void minimize() override;
  void restore() override { minimized = false; }
  void terminate() override { terminated_ = true; }
  bool terminated() const override { return terminated_; }
  void processMessages() override {}
  void showException(const std::string& text) override { errors.push_back(text); }

  bool minimized = false;
  std::vector<std::string> errors;

 private:
  std::string title_;
  bool terminated_ = false;
};

}  // namespace fake
