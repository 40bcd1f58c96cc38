// What the window tests see of the desktop platform: its timers, whether it
// has shut down, and a hook that runs inside every yield.
#pragma once

#include <functional>
#include <memory>

#include "shell/qt/qt_platform.h"

namespace vexalon {

class PlatformProbe {
 public:
  explicit PlatformProbe(QtPlatform& platform) : platform_(platform) {
    auto show = platform_.hooks_.beforeYield;
    platform_.hooks_.beforeYield = [show, onYield = onYield_] {
      show();
      if (*onYield) (*onYield)();
    };
  }

  bool IsEnabled(Timer timer) const { return Of(timer).isActive(); }
  int RemainingMs(Timer timer) const { return Of(timer).remainingTime(); }
  bool IsShutDown() const { return platform_.shutDown_; }
  // Runs inside every yield, once the window shows the game, before pending events.
  void OnYield(std::function<void()> hook) { *onYield_ = std::move(hook); }

 private:
  const QTimer& Of(Timer timer) const { return platform_.timers_[static_cast<std::size_t>(timer)]; }

  QtPlatform& platform_;
  std::shared_ptr<std::function<void()>> onYield_ = std::make_shared<std::function<void()>>();
};

}  // namespace vexalon
