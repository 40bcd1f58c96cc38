// The desktop's side of the game: Qt timers, the event loop as the yield,
// sound, the settings file and the confirmation box.
#pragma once

#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

#include "shell/clock_random.h"
#include "shell/platform.h"
#include "shell/qt/settings_store.h"
#include "shell/qt/sound_player.h"

class QMessageBox;
class QWidget;

namespace vexalon {

class QtPlatform : public Platform {
 public:
  struct Hooks {
    std::function<void(Timer)> tick;   // a timer fired
    std::function<void()> beforeYield; // show the game before events run
  };

  QtPlatform(QWidget& window, Hooks hooks, SettingsStore settings = {});

  void EnableTimer(Timer timer) override;
  void DisableTimer(Timer timer) override;
  void Yield() override;
  void PlaySound(int n) override;
  void SeedRandomFromClock() override;
  float Random() override;
  std::string ReadHiScore() override;
  void WriteHiScore(const std::string& text, HiScoreChange change) override;
  Answer Confirm(std::string_view text, std::string_view title) override;

  // Runs a modal box, menu or window while the game holds still; a close
  // of the game closes it.
  int HoldStill(QWidget& modal, const std::function<int()>& run);

  // The sound switch: off, nothing is played and the sound server is never
  // reached. Kept in the settings file at the close when this window
  // switched it.
  bool SoundOn() const { return soundOn_; }
  void SetSoundOn(bool on) { soundOn_ = on; }

  // The window is closing: timers stop, yields no longer run events, and
  // an open confirmation box is answered Cancel.
  void Shutdown();

 private:
  friend class PlatformProbe;  // the tests' view of the timers and the yield

  QWidget& window_;
  Hooks hooks_;
  SettingsStore settings_;
  std::array<QTimer, kTimerCount> timers_;
  ClockRandom random_;
  SoundPlayer sound_;
  QPointer<QWidget> openModal_;
  bool shutDown_ = false;
  bool soundOn_ = true;
  bool soundAsLoaded_ = true;
};

}  // namespace vexalon
