#pragma once
// A window of the program that, for now, is only its frame: created at start-up, shown on
// request, captioned by the interface texts.

#include <memory>

#include "gui/factory.h"

class SimpleForm {
 public:
  SimpleForm(gui::Factory& factory, const gui::FormArgs& args) : window(factory.form(args)) {}
  gui::Form& form() { return *window; }
  std::unique_ptr<gui::Form> window;
};
