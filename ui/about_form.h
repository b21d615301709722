#pragma once
// The about window: a dialog-style window of 599 x 398 client pixels.

#include "ui/simple_form.h"

class TAboutForm : public SimpleForm {
 public:
  explicit TAboutForm(gui::Factory& factory)
      : SimpleForm(factory, {"TAboutForm", "", 599, 398, true, false}) {}
};
