#pragma once
// The value forms of the settings file: integers and flags, colours, hot key shortcuts.
// Texts are 8-bit ANSI; letter case is ignored for ASCII letters only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Optional leading blanks, optional sign, then decimal digits within the 32-bit signed range, or
// up to 0xFFFFFFFF in hexadecimal after "$" or "0x", taken as the 32-bit pattern. Anything else is
// nullopt, and the caller uses its default.
std::optional<std::int32_t> parseInteger(std::string_view text);

// An integer that is not 0; nullopt when the text is not an integer.
std::optional<bool> parseFlag(std::string_view text);

// Colours are 0x00BBGGRR, system colours 0x80000000 + the system colour index, or one of the two
// special values 0x1FFFFFFF (none) and 0x20000000 (default).
std::optional<std::int32_t> colorFromName(std::string_view name);
// The colour's name when it has one, else "$" and eight hexadecimal digits.
std::string colorToString(std::int32_t color);
// A colour name or an integer; throws ConvertError for any other text.
std::int32_t stringToColor(std::string_view text);

// A shortcut is the virtual-key code in the low byte plus these modifier flags.
inline constexpr std::uint16_t kShortCutShift = 0x2000;
inline constexpr std::uint16_t kShortCutCtrl = 0x4000;
inline constexpr std::uint16_t kShortCutAlt = 0x8000;

// The keyboard layout's names for the keys that have no fixed name.
class KeyNames {
 public:
  virtual ~KeyNames() = default;
  // Empty when the key has no name.
  virtual std::string keyName(std::uint8_t virtualKey) const = 0;
};

// "Shift+", "Ctrl+", "Alt+" as set, then the key's name; empty for 0 or a key without a name.
std::string shortCutToText(std::uint16_t shortcut, const KeyNames& names);
// Modifier prefixes in any order ("^" for Ctrl too), then the name of a key; the lowest key code
// with that name wins, so keypad digits read as main-row digits. 0 when the text does not parse.
std::uint16_t textToShortCut(std::string_view text, const KeyNames& names);

}  // namespace core
