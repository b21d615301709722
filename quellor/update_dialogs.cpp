#include "update_dialogs.h"

#include <shellapi.h>

#include "update_texts.h"

namespace quellor {
namespace {

constexpr UINT kCyrillicCodePage = 1251;

std::wstring FromCp1251(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(
                        MultiByteToWideChar(kCyrillicCodePage, 0, text.data(), size, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(kCyrillicCodePage, 0, text.data(), size, wide.data(),
                      static_cast<int>(wide.size()));
  return wide;
}

}  // namespace

int ShowUpdateBox(std::string_view cp1251_text, UINT style) {
  return MessageBoxW(nullptr, FromCp1251(cp1251_text).c_str(), FromCp1251(kCaption).c_str(), style);
}

void OpenPage(const std::string& address) {
  ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quellor
