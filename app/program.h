#pragma once
// The program's life between the single-instance check and the message loop: the splash,
// the five windows in their order, the interface texts; and the windows' end.

#include <memory>

#include "core/random_index.h"
#include "gui/factory.h"
#include "gui/system.h"

class TMainForm;
class TAboutForm;
class TCalendarForm;
class TPreViewForm;
class TSettingsForm;
class TSplashForm;

class Program {
 public:
  Program(gui::Factory& factory, gui::System& system, gui::Application& app);
  ~Program();

  // Start-up up to the message loop; the caller runs the loop afterwards.
  void start();

  TMainForm* mainForm() { return main_.get(); }
  TCalendarForm* calendarForm() { return calendar_.get(); }

 private:
  gui::Factory& factory_;
  gui::System& system_;
  gui::Application& app_;
  core::RandomIndex random_;
  std::unique_ptr<TSplashForm> splash_;
  std::unique_ptr<TMainForm> main_;
  std::unique_ptr<TAboutForm> about_;
  std::unique_ptr<TCalendarForm> calendar_;
  std::unique_ptr<TPreViewForm> preview_;
  std::unique_ptr<TSettingsForm> settings_;
};
