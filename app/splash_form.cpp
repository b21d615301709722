#include "app/splash_form.h"

namespace {
constexpr int kWindowCount = 5;
}

TSplashForm::TSplashForm(gui::Factory& factory)
    : window(factory.form({"TSplashForm", "", 479, 299, false, true})) {
  Img_splash = factory.picture({"Img_splash", window.get(), {0, 0, 480, 300}, "", {}},
                               gui::PictureLook::Title);
  ProgressBar =
      factory.progressBar({"ProgressBar", window.get(), {80, 252, 173, 17}, "", {}}, kWindowCount);
}
