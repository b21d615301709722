#pragma once
// The calendar-and-clock window on the desktop; it keeps its place between runs.

#include "core/settings_file.h"
#include "ui/simple_form.h"

class TCalendarForm : public SimpleForm {
 public:
  TCalendarForm(gui::Factory& factory, const core::SettingsFile& settings);
};
