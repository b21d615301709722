#pragma once
// Runs the program's start-up against the fake window layer and gives names to what tests look at.

#include <gtest/gtest.h>

#include <memory>

#include "app/program.h"
#include "core/cp1251.h"
#include "tests/support/fake_gui.h"
#include "ui/main_form.h"

class MainFormTest : public testing::Test {
 protected:
  void start() {
    program = std::make_unique<Program>(factory, system, app);
    program->start();
  }
  TMainForm& main() { return *program->mainForm(); }
  fake::ListBox& list() { return static_cast<fake::ListBox&>(*main().LstBx_Wallpapers); }
  fake::FileDialog& dialog(const char* name) { return *factory.dialogs.at(name); }
  std::string caption() { return main().window->text(); }
  bool listControlsEnabled() {
    TMainForm& m = main();
    bool all = m.btn_ED_Timer->enabled();
    for (gui::Control* c : {static_cast<gui::Control*>(m.btn_set.get()),
                            static_cast<gui::Control*>(m.SpnEdt_Min.get()),
                            static_cast<gui::Control*>(m.btn_path.get()),
                            static_cast<gui::Control*>(m.btn_left.get()),
                            static_cast<gui::Control*>(m.btn_right.get())}) {
      EXPECT_EQ(c->enabled(), all) << "the list controls go together";
    }
    return all;
  }
  void storeList(const std::string& path, const std::string& bytes) {
    system.files[path] = bytes;
    system.ini["GENERAL"]["szSpisok"] = path;
  }

  fake::System system;
  fake::Factory factory{system.pictures};
  fake::Application app;
  std::unique_ptr<Program> program;
};

inline const std::string kTitle = "Varnok Wallpaper 2008";
inline const std::string kOff = core::cp1251("Выкл.");
inline const std::string kOn = core::cp1251("Вкл.");
