#include "core/app_texts.h"

#include "core/paths.h"

namespace core {

std::string mainCaption(std::string_view listFileName, bool listHasFile) {
  std::string caption(kAppTitle);
  if (listHasFile) {
    caption += kListCaptionInfix;
    caption += fileNamePart(listFileName);
  }
  return caption;
}

}  // namespace core
