#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quellor {

// A product that the version file publishes a build for.
struct Product {
  std::string_view marker;
  // The wallpaper program's marker opens the file; the converter's may stand anywhere.
  bool marker_anywhere;
  std::string_view download_page;
};

// The product of a selector passed by the caller; none for an unknown selector.
std::optional<Product> ProductOf(std::int32_t selector);

}  // namespace quellor
