#include "core/settings_values.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "core/errors.h"

namespace core {
namespace {

// ASCII only: the texts are ANSI, and a locale's folding must not touch bytes from 0x80 up.
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return asciiLower(x) == asciiLower(y);
         });
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The whole text as an unsigned number in the given base, without sign or prefix.
std::optional<std::uint32_t> parseDigits(std::string_view digits, int base) {
  std::uint32_t value = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

struct NamedColor {
  std::string_view name;
  std::int32_t value;
};

constexpr std::int32_t systemColor(std::uint32_t index) {
  return static_cast<std::int32_t>(0x80000000u + index);
}

constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", systemColor(10)},
    {"clActiveCaption", systemColor(2)},
    {"clAppWorkSpace", systemColor(12)},
    {"clBackground", systemColor(1)},
    {"clBtnFace", systemColor(15)},
    {"clBtnHighlight", systemColor(20)},
    {"clBtnShadow", systemColor(16)},
    {"clBtnText", systemColor(18)},
    {"clCaptionText", systemColor(9)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", systemColor(27)},
    {"clGradientInactiveCaption", systemColor(28)},
    {"clGrayText", systemColor(17)},
    {"clHighlight", systemColor(13)},
    {"clHighlightText", systemColor(14)},
    {"clHotLight", systemColor(26)},
    {"clInactiveBorder", systemColor(11)},
    {"clInactiveCaption", systemColor(3)},
    {"clInactiveCaptionText", systemColor(19)},
    {"clInfoBk", systemColor(24)},
    {"clInfoText", systemColor(23)},
    {"clMenu", systemColor(4)},
    {"clMenuBar", systemColor(30)},
    {"clMenuHighlight", systemColor(29)},
    {"clMenuText", systemColor(7)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", systemColor(0)},
    {"cl3DDkShadow", systemColor(21)},
    {"cl3DLight", systemColor(22)},
    {"clWindow", systemColor(5)},
    {"clWindowFrame", systemColor(6)},
    {"clWindowText", systemColor(8)},
};

struct Modifier {
  std::string_view prefix;
  std::uint16_t flag;
};

// In the order they are written.
constexpr Modifier kModifiers[] = {
    {"Shift+", kShortCutShift}, {"Ctrl+", kShortCutCtrl}, {"Alt+", kShortCutAlt}};
constexpr Modifier kCtrlAlias = {"^", kShortCutCtrl};

// Removes one leading modifier prefix and adds its flag; false when the text starts with none.
bool takeModifier(std::string_view& text, std::uint16_t& flags) {
  auto takes = [&](const Modifier& modifier) {
    if (!startsWithIgnoringCase(text, modifier.prefix)) return false;
    text.remove_prefix(modifier.prefix.size());
    flags |= modifier.flag;
    return true;
  };
  return std::any_of(std::begin(kModifiers), std::end(kModifiers), takes) || takes(kCtrlAlias);
}

struct NamedKey {
  std::uint8_t key;
  std::string_view name;
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"},
};

constexpr std::uint8_t kKeypad0 = 0x60;
constexpr std::uint8_t kKeypad9 = 0x69;
constexpr std::uint8_t kF1 = 0x70;
constexpr std::uint8_t kF24 = 0x87;

// The names that do not depend on the keyboard layout; nullopt for the keys the layout names.
std::optional<std::string> fixedKeyName(std::uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    return std::string(1, static_cast<char>(key));
  }
  if (key >= kKeypad0 && key <= kKeypad9)
    return std::string(1, static_cast<char>('0' + key - kKeypad0));
  if (key >= kF1 && key <= kF24) return "F" + std::to_string(key - kF1 + 1);
  auto named = std::find_if(std::begin(kNamedKeys), std::end(kNamedKeys),
                            [key](const NamedKey& entry) { return entry.key == key; });
  if (named == std::end(kNamedKeys)) return std::nullopt;
  return std::string(named->name);
}

std::string keyName(std::uint8_t key, const KeyNames& names) {
  auto fixed = fixedKeyName(key);
  return fixed ? *fixed : names.keyName(key);
}

}  // namespace

std::optional<std::int32_t> parseInteger(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (negative || text.front() == '+')) text.remove_prefix(1);

  std::optional<std::uint32_t> magnitude;
  if (startsWithIgnoringCase(text, "$")) {
    magnitude = parseDigits(text.substr(1), 16);
  } else if (startsWithIgnoringCase(text, "0x")) {
    magnitude = parseDigits(text.substr(2), 16);
  } else {
    magnitude = parseDigits(text, 10);
    std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    if (magnitude && *magnitude > limit) return std::nullopt;
  }
  if (!magnitude) return std::nullopt;
  // Unsigned negation wraps, which is what a hexadecimal pattern with a sign means.
  return static_cast<std::int32_t>(negative ? 0u - *magnitude : *magnitude);
}

std::optional<bool> parseFlag(std::string_view text) {
  auto value = parseInteger(text);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::int32_t> colorFromName(std::string_view name) {
  auto found = std::find_if(
      std::begin(kColors), std::end(kColors),
      [name](const NamedColor& entry) { return equalsIgnoringCase(entry.name, name); });
  if (found == std::end(kColors)) return std::nullopt;
  return found->value;
}

std::string colorToString(std::int32_t color) {
  auto found = std::find_if(std::begin(kColors), std::end(kColors),
                            [color](const NamedColor& entry) { return entry.value == color; });
  if (found != std::end(kColors)) return std::string(found->name);
  std::string text = "$00000000";
  auto bits = static_cast<std::uint32_t>(color);
  for (auto digit = text.rbegin(); bits != 0; ++digit, bits >>= 4) {
    *digit = "0123456789ABCDEF"[bits & 0xF];
  }
  return text;
}

std::int32_t stringToColor(std::string_view text) {
  if (auto named = colorFromName(text)) return *named;
  if (auto number = parseInteger(text)) return *number;
  throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string shortCutToText(std::uint16_t shortcut, const KeyNames& names) {
  if (shortcut == 0) return {};
  std::string name = keyName(static_cast<std::uint8_t>(shortcut & 0xFF), names);
  if (name.empty()) return {};
  std::string text;
  for (const Modifier& modifier : kModifiers) {
    if (shortcut & modifier.flag) text += modifier.prefix;
  }
  return text + name;
}

std::uint16_t textToShortCut(std::string_view text, const KeyNames& names) {
  std::uint16_t flags = 0;
  while (takeModifier(text, flags)) {
  }
  if (text.empty()) return 0;
  // Lowest code first; stopping at the first match keeps the layout's names from being asked for
  // more keys than needed.
  for (unsigned key = 0x08; key <= 0xFF; ++key) {
    if (equalsIgnoringCase(keyName(static_cast<std::uint8_t>(key), names), text)) {
      return static_cast<std::uint16_t>(flags | key);
    }
  }
  return 0;
}

}  // namespace core
