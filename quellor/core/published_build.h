#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "products.h"

namespace quellor {

// The longest build text that the version file may publish.
constexpr std::size_t kMaxBuildLength = 7;

// The build text that the version file publishes for the product: the run of non-blank bytes
// after its marker and any blanks. Empty when the marker is missing or not where it must stand,
// when nothing follows it, or when the run is longer than kMaxBuildLength (a cut build would
// name a build that was never published).
std::string PublishedBuild(std::string_view version_file, const Product& product);

}  // namespace quellor
