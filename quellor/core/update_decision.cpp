#include "update_decision.h"

#include "products.h"
#include "published_build.h"
#include "update_texts.h"

namespace quellor {

bool IsNewerBuild(std::string_view published, std::string_view own) {
  // char_traits<char> orders bytes as unsigned char and a prefix first, as strcmp does.
  return published.compare(own) > 0;
}

UpdateDecision DecideUpdate(std::string_view version_file, std::int32_t selector,
                            std::string_view own_build, std::int32_t quiet) {
  UpdateDecision decision;
  const std::optional<Product> product = ProductOf(selector);
  const std::string published = product ? PublishedBuild(version_file, *product) : std::string();
  if (product && IsNewerBuild(published, own_build)) {
    decision.say = UpdateDecision::Say::kNewerBuild;
    decision.question = NewerBuildQuestion(published);
    decision.page_address = PageAddress(product->download_page);
  } else if ((quiet & 0xFF) == 0) {
    decision.say = UpdateDecision::Say::kUpToDate;
  }
  return decision;
}

}  // namespace quellor
