#include "gui/win32/text.h"

namespace win32 {
namespace {

constexpr UINT kInterfaceCodePage = 1251;

UINT codePage(gui::TextKind kind) {
  return kind == gui::TextKind::Interface ? kInterfaceCodePage : CP_ACP;
}

}  // namespace

std::wstring widen(const std::string& bytes, gui::TextKind kind) {
  if (bytes.empty()) return {};
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(codePage(kind), 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage(kind), 0, bytes.data(), size, text.data(), length);
  return text;
}

std::string narrow(const std::wstring& text, gui::TextKind kind) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int length =
      WideCharToMultiByte(codePage(kind), 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage(kind), 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace win32
