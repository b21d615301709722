#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quellor {

// Shows an update message box without an owner and returns the answer. The text is code page
// 1251; it goes through the wide call so that it reads right whatever the ANSI code page.
int ShowUpdateBox(std::string_view cp1251_text, UINT style);

// Opens the address in the default web browser; a failure is not reported.
void OpenPage(const std::string& address);

}  // namespace quellor
