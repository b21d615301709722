#pragma once
// The splash window shown while the windows are made: a title picture and a progress bar
// that rises by one with each window.

#include <memory>

#include "gui/factory.h"

class TSplashForm {
 public:
  explicit TSplashForm(gui::Factory& factory);
  gui::Form& form() { return *window; }
  void step() { ProgressBar->setPosition(ProgressBar->position() + 1); }

  std::unique_ptr<gui::Form> window;
  std::unique_ptr<gui::Picture> Img_splash;
  std::unique_ptr<gui::ProgressBar> ProgressBar;
};
