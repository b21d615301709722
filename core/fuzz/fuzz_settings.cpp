// Any text as a settings value of each kind: integers, colours and shortcuts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "core/settings_values.h"

namespace {

class NoLayoutNames : public core::KeyNames {
 public:
  std::string keyName(std::uint8_t virtualKey) const override {
    return virtualKey == 0xBA ? ";" : "";
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  core::parseInteger(text);
  core::parseFlag(text);
  try {
    std::int32_t color = core::stringToColor(text);
    if (core::stringToColor(core::colorToString(color)) != color) std::abort();
  } catch (const core::ConvertError&) {
  }
  NoLayoutNames names;
  std::uint16_t shortcut = core::textToShortCut(text, names);
  std::string written = core::shortCutToText(shortcut, names);
  // A shortcut read back from its own text is the same, keypad digits aside.
  if (!written.empty() && core::shortCutToText(core::textToShortCut(written, names), names) !=
                              written) {
    std::abort();
  }
  return 0;
}
