#include "published_build.h"

namespace quellor {
namespace {

// The bytes that the C library counts as white space in the "C" locale.
constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::size_t FindMarker(std::string_view version_file, const Product& product) {
  if (product.marker_anywhere) return version_file.find(product.marker);
  const bool opens_file = version_file.substr(0, product.marker.size()) == product.marker;
  return opens_file ? 0 : std::string_view::npos;
}

}  // namespace

std::string PublishedBuild(std::string_view version_file, const Product& product) {
  const std::size_t marker_at = FindMarker(version_file, product);
  if (marker_at == std::string_view::npos) return {};

  std::string_view rest = version_file.substr(marker_at + product.marker.size());
  const std::size_t build_at = rest.find_first_not_of(kBlanks);
  if (build_at == std::string_view::npos) return {};
  rest.remove_prefix(build_at);
  const std::string_view build = rest.substr(0, rest.find_first_of(kBlanks));
  if (build.size() > kMaxBuildLength) return {};
  return std::string(build);
}

}  // namespace quellor
