#include "desktop/calendar_form.h"

namespace {
constexpr int kWidth = 185;
constexpr int kHeight = 167;
}  // namespace

TCalendarForm::TCalendarForm(gui::Factory& factory, const core::SettingsFile& settings)
    : SimpleForm(factory, {"TCalendarForm", "", kWidth, kHeight, false, true}) {
  window->setBounds({settings.readInteger("CALENDAR", "Left", 700),
                     settings.readInteger("CALENDAR", "Top", 100), kWidth, kHeight});
}
