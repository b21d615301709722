#include "tests/support/fake_gui.h"

#include <algorithm>

#include "core/errors.h"

namespace fake {
namespace {

class Button : public TextState<gui::Button> {};
class Label : public TextState<gui::Label> {};
class Panel : public ControlState<gui::Panel> {};
class NotifyIcon : public gui::NotifyIcon {};

}  // namespace

Form::Form(std::map<std::string, Form*>& registry, std::string name)
    : registry_(registry), name_(std::move(name)) {
  registry_[name_] = this;
}

Form::~Form() { registry_.erase(name_); }

void Picture::loadFromFile(const std::string& path) {
  auto picture = pictures_.find(path);
  if (picture == pictures_.end()) throw core::AppError("Cannot read the picture " + path);
  size_ = picture->second;
  loaded = path;
}

void SpinEdit::setValue(int value) { value_ = std::clamp(value, minimum_, maximum_); }

bool FileDialog::execute() {
  ++shown;
  if (answers.empty() || !answers.front()) {
    if (!answers.empty()) answers.pop_front();
    return false;
  }
  fileName = *answers.front();
  answers.pop_front();
  return true;
}

template <class T, class... Args>
std::unique_ptr<T> Factory::make(const gui::ControlArgs& args, Args&&... ctorArgs) {
  auto control = std::make_unique<T>(std::forward<Args>(ctorArgs)...);
  controls[args.name] = control.get();
  return control;
}

std::unique_ptr<gui::Form> Factory::form(const gui::FormArgs& args) {
  auto form = std::make_unique<Form>(forms, args.name);
  form->setText(args.caption);
  form->setVisible(false);
  form->setBounds({0, 0, args.clientWidth, args.clientHeight});
  return form;
}

std::unique_ptr<gui::Panel> Factory::panel(const gui::ControlArgs& args) {
  return make<Panel>(args);
}

std::unique_ptr<gui::Button> Factory::button(const gui::ControlArgs& args) {
  auto button = make<Button>(args);
  button->setText(args.text);
  return button;
}

std::unique_ptr<gui::Label> Factory::label(const gui::ControlArgs& args, gui::LabelLook) {
  auto label = make<Label>(args);
  label->setText(args.text);
  return label;
}

std::unique_ptr<gui::Picture> Factory::picture(const gui::ControlArgs& args, gui::PictureLook) {
  return make<Picture>(args, pictures_);
}

std::unique_ptr<gui::ListBox> Factory::listBox(const gui::ControlArgs& args) {
  return make<ListBox>(args);
}

std::unique_ptr<gui::SpinEdit> Factory::spinEdit(const gui::ControlArgs& args, int minimum,
                                                 int maximum) {
  return make<SpinEdit>(args, minimum, maximum);
}

std::unique_ptr<gui::ProgressBar> Factory::progressBar(const gui::ControlArgs& args, int) {
  return make<ProgressBar>(args);
}

std::unique_ptr<gui::Timer> Factory::timer(gui::Form&, const std::string&) {
  return std::make_unique<Timer>();
}

std::unique_ptr<gui::PopupMenu> Factory::popupMenu(gui::Form&, const std::string&) {
  return std::make_unique<PopupMenu>();
}

std::unique_ptr<gui::MenuItem> Factory::menuItem(gui::PopupMenu&, const std::string&,
                                                 const std::string& text, int, bool) {
  auto item = std::make_unique<MenuItem>();
  item->setText(text);
  return item;
}

std::unique_ptr<gui::FileDialog> Factory::fileDialog(const gui::FileDialogArgs& args) {
  auto dialog = std::make_unique<FileDialog>();
  dialogs[args.name] = dialog.get();
  return dialog;
}

std::unique_ptr<gui::NotifyIcon> Factory::notifyIcon(gui::Form&, const std::string&,
                                                     gui::PopupMenu&) {
  return std::make_unique<NotifyIcon>();
}

int System::messageBox(const gui::Form* owner, const gui::MixedText& text,
                       const std::string& caption, unsigned flags) {
  std::string bytes;
  for (const auto& piece : text) bytes += piece.bytes;
  messageBoxes.push_back({bytes, caption, flags, owner != nullptr});
  if (answers.empty()) return gui::kIdOk;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

bool System::folderExists(const std::string& path) {
  const std::string prefix = path + "\\";
  auto next = files.lower_bound(prefix);
  return next != files.end() && next->first.compare(0, prefix.size(), prefix) == 0;
}

std::vector<gui::System::FolderEntry> System::listFolder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  for (auto file = files.lower_bound(folder); file != files.end(); ++file) {
    if (file->first.compare(0, folder.size(), folder) != 0) break;
    std::string rest = file->first.substr(folder.size());
    std::size_t slash = rest.find('\\');
    FolderEntry entry{rest.substr(0, slash), slash != std::string::npos};
    if (entries.empty() || entries.back().name != entry.name) entries.push_back(entry);
  }
  return entries;
}

std::pair<int, int> System::pictureSize(const std::string& path) {
  auto picture = pictures.find(path);
  if (picture == pictures.end()) throw core::AppError("Cannot read the picture " + path);
  return picture->second;
}

std::string System::readFile(const std::string& path) {
  auto file = files.find(path);
  if (file == files.end() || unreadable.count(path)) {
    throw core::FileError("Cannot open file " + path);
  }
  return file->second;
}

void System::writeFile(const std::string& path, const std::string& bytes) {
  if (unwritable.count(path)) throw core::FileError("Cannot create file " + path);
  files[path] = bytes;
}

std::string System::read(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) {
  if (path != iniPath) return fallback;
  auto s = ini.find(section);
  if (s == ini.end()) return fallback;
  auto k = s->second.find(key);
  return k == s->second.end() ? fallback : k->second.substr(0, 2047);
}

bool System::write(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  if (path != iniPath || iniReadOnly) return false;
  ini[section][key] = value;
  iniWrites.push_back(section + "/" + key + "=" + value);
  return true;
}

void Application::minimize() {
  minimized = true;
  if (onMinimize) onMinimize();
}

}  // namespace fake
