// UTF-8 on the command line and on stdout, UTF-16 in every Windows call.
#pragma once

#include <string>

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);

// Keeps one value on one line: backslash, tab and newline become \\, \t and \n; CR is dropped.
std::string escape_value(const std::string& text);

// Removes the '&' that marks a keyboard shortcut ("&&" stands for a literal '&').
std::string without_mnemonic(const std::string& caption);

void print_line(const std::string& utf8);
