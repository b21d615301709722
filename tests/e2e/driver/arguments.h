// A command's arguments: positional values in order and "--name value" options.
#pragma once

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Wrong command line: the driver prints it with the usage text and exits with 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Arguments {
 public:
  // `accepted` names the options the command knows: "name=" takes a value, "name" does not.
  Arguments(const std::vector<std::string>& words, const std::vector<std::string>& accepted);

  size_t positional_count() const { return positional_.size(); }
  const std::string& text(size_t index) const;
  long number(size_t index) const;
  HWND handle(size_t index) const;

  std::optional<std::string> option(const std::string& name) const;
  long number_option(const std::string& name, long fallback) const;
  bool flag(const std::string& name) const;

  // Fails on positional values beyond `count`: a mistyped command is not half run.
  void expect_positional(size_t count) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;
};

// Decimal, or hexadecimal with a 0x prefix; a window handle is always hexadecimal.
long parse_number(const std::string& word);
HWND parse_handle(const std::string& word);
std::string format_handle(HWND hwnd);
