#include "arguments.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool is_option(const std::string& word) { return word.size() > 2 && word.compare(0, 2, "--") == 0; }

unsigned long parse_unsigned(const std::string& word, int base, const char* what) {
  const char* digits = word.c_str();
  if (base == 16 && (word.rfind("0x", 0) == 0 || word.rfind("0X", 0) == 0)) digits += 2;
  char* end = nullptr;
  unsigned long value = std::strtoul(digits, &end, base);
  if (*digits == '\0' || *end != '\0') throw UsageError(std::string("not ") + what + ": " + word);
  return value;
}

}  // namespace

Arguments::Arguments(const std::vector<std::string>& words,
                     const std::vector<std::string>& accepted) {
  auto knows = [&](const std::string& spelling) {
    return std::find(accepted.begin(), accepted.end(), spelling) != accepted.end();
  };
  for (size_t i = 0; i < words.size(); ++i) {
    if (!is_option(words[i])) {
      positional_.push_back(words[i]);
      continue;
    }
    std::string name = words[i].substr(2);
    if (knows(name)) {
      options_.emplace_back(name, "");
    } else if (!knows(name + "=")) {
      throw UsageError("unknown option --" + name);
    } else if (i + 1 == words.size()) {
      throw UsageError("--" + name + " needs a value");
    } else {
      options_.emplace_back(name, words[++i]);
    }
  }
}

const std::string& Arguments::text(size_t index) const {
  if (index >= positional_.size()) throw UsageError("missing argument");
  return positional_[index];
}

long Arguments::number(size_t index) const { return parse_number(text(index)); }

HWND Arguments::handle(size_t index) const { return parse_handle(text(index)); }

std::optional<std::string> Arguments::option(const std::string& name) const {
  for (const auto& [key, value] : options_)
    if (key == name) return value;
  return std::nullopt;
}

long Arguments::number_option(const std::string& name, long fallback) const {
  auto value = option(name);
  return value ? parse_number(*value) : fallback;
}

bool Arguments::flag(const std::string& name) const { return option(name).has_value(); }

void Arguments::expect_positional(size_t count) const {
  if (positional_.size() > count) throw UsageError("unexpected argument: " + positional_[count]);
}

long parse_number(const std::string& word) {
  bool negative = !word.empty() && word[0] == '-';
  std::string digits = negative ? word.substr(1) : word;
  bool hex = digits.rfind("0x", 0) == 0 || digits.rfind("0X", 0) == 0;
  auto value = static_cast<long>(parse_unsigned(digits, hex ? 16 : 10, "a number"));
  return negative ? -value : value;
}

HWND parse_handle(const std::string& word) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(parse_unsigned(word, 16, "a window handle")));
}

std::string format_handle(HWND hwnd) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%lx",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)));
  return buffer;
}
