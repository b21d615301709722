#include "app/program.h"

#include "app/splash_form.h"
#include "core/app_texts.h"
#include "core/paths.h"
#include "core/settings_file.h"
#include "desktop/calendar_form.h"
#include "ui/about_form.h"
#include "ui/main_form.h"
#include "ui/preview_form.h"
#include "ui/settings_form.h"

Program::Program(gui::Factory& factory, gui::System& system, gui::Application& app)
    : factory_(factory), system_(system), app_(app) {}

Program::~Program() = default;

void Program::start() {
  core::SettingsFile ini(system_.profile(), core::replaceExtension(system_.programPath(), ".ini"));
  splash_ = std::make_unique<TSplashForm>(factory_);
  bool splashShown = ini.readBool("GENERAL", "Splash", true);
  if (splashShown) splash_->form().show();
  app_.processMessages();
  app_.setTitle(std::string(core::kAppTitle));

  // Each window's own set-up runs as it is made; an error in it is reported and start-up
  // goes on with the next window.
  main_ = std::make_unique<TMainForm>(factory_, system_, app_, random_);
  gui::runGuarded(app_, [this] { main_->FormCreate(); });
  splash_->step();
  about_ = std::make_unique<TAboutForm>(factory_);
  splash_->step();
  gui::runGuarded(app_, [&] { calendar_ = std::make_unique<TCalendarForm>(factory_, ini); });
  splash_->step();
  preview_ = std::make_unique<TPreViewForm>(factory_);
  splash_->step();
  settings_ = std::make_unique<TSettingsForm>(factory_);
  splash_->step();
  main_->setLaterWindows(about_.get(), calendar_.get(), preview_.get(), settings_.get());

  bool minimized = ini.readBool("GENERAL", "Minimize", false);
  main_->ApplyInterfaceTexts();
  if (splashShown) splash_.reset();
  if (minimized) {
    app_.minimize();
  } else {
    main_->form().show();
  }
}
