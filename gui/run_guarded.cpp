#include <exception>

#include "gui/system.h"

namespace gui {

void runGuarded(Application& app, const Handler& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    app.showException(error.what());
  } catch (...) {
    app.showException("");
  }
}

}  // namespace gui
