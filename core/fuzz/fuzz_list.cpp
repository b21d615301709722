// Any bytes read as a list file, then written back: the entries must survive the round trip.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto entries = core::parseListFile(bytes);
  if (core::parseListFile(core::formatListFile(entries)) != entries) std::abort();
  return 0;
}
