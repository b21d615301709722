#pragma once
// The preview window: the selected picture shown large, opened from the preview area.

#include "ui/simple_form.h"

class TPreViewForm : public SimpleForm {
 public:
  explicit TPreViewForm(gui::Factory& factory)
      : SimpleForm(factory, {"TPreViewForm", "", 329, 228, true, false}) {}
};
