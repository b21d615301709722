#include "gui/win32/timer.h"

namespace win32 {
namespace {

class Timer : public gui::Timer {
 public:
  explicit Timer(Form& owner) : owner_(owner), id_(nextId_++) {
    owner_.addTimer(id_, [this] {
      if (onTimer) onTimer();
    });
  }
  ~Timer() override {
    KillTimer(owner_.hwnd(), id_);
    owner_.removeTimer(id_);
  }
  void setInterval(std::uint32_t milliseconds) override {
    interval_ = milliseconds;
    if (enabled_) SetTimer(owner_.hwnd(), id_, interval_, nullptr);
  }
  std::uint32_t interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    if (enabled) {
      SetTimer(owner_.hwnd(), id_, interval_, nullptr);
    } else {
      KillTimer(owner_.hwnd(), id_);
    }
  }
  bool enabled() const override { return enabled_; }

 private:
  static inline UINT_PTR nextId_ = 1;
  Form& owner_;
  UINT_PTR id_;
  std::uint32_t interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace

std::unique_ptr<gui::Timer> makeTimer(Form& owner) { return std::make_unique<Timer>(owner); }

}  // namespace win32
