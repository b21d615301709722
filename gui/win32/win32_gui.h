#pragma once
// The window layer over Win32: the factory of controls, the system services and the
// application object with its message loop.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/factory.h"
#include "gui/system.h"

namespace win32 {

class Application : public gui::Application {
 public:
  Application();
  ~Application() override;
  void setTitle(const std::string& title) override;
  std::string title() const override { return title_; }
  void minimize() override;
  void restore() override;
  void terminate() override;
  bool terminated() const override { return terminated_; }
  void processMessages() override;
  void showException(const std::string& text) override;
  // Runs the message loop until terminate().
  void run();
  // The hidden window that owns the program's windows.
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
  std::string title_;
  bool terminated_ = false;
};

class Factory : public gui::Factory {
 public:
  explicit Factory(Application& app) : app_(app) {}
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

 private:
  Application& app_;
};

class System : public gui::System, public core::ProfileStore {
 public:
  using gui::System::messageBox;
  int messageBox(const gui::Form* owner, const gui::MixedText& text, const std::string& caption,
                 unsigned flags) override;
  std::string programPath() override;
  bool fileExists(const std::string& path) override;
  bool folderExists(const std::string& path) override;
  std::vector<FolderEntry> listFolder(const std::string& folder) override;
  std::string readFile(const std::string& path) override;
  void writeFile(const std::string& path, const std::string& bytes) override;
  std::pair<int, int> pictureSize(const std::string& path) override;
  std::uint32_t secondsNow() override;
  core::ProfileStore& profile() override { return *this; }

  std::string read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback) override;
  bool write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;
};

}  // namespace win32
