#include "products.h"

namespace quellor {

std::optional<Product> ProductOf(std::int32_t selector) {
  switch (selector) {
    case 0:
      return Product{"WallpaperBuild", false, "wallpaper.php"};
    case 1:
      return Product{"ConverterBuild", true, "converter.php"};
    default:
      return std::nullopt;
  }
}

}  // namespace quellor
