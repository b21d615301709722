#pragma once
// The options dialog.

#include "ui/simple_form.h"

class TSettingsForm : public SimpleForm {
 public:
  explicit TSettingsForm(gui::Factory& factory)
      : SimpleForm(factory, {"TSettingsForm", "", 426, 352, true, false}) {}
};
