// The high score and the sound switch in the user's settings:
// Brantomel/Brantomel.ini under $XDG_CONFIG_HOME (or ~/.config), keys
// HiScore and Sound of section [General].
// Only a regular file is read or written, never one that could not be
// read, and a write replaces the file whole or not at all.
#pragma once

#include <QString>
#include <optional>

#include "shell/platform.h"

namespace vexalon {

class SettingsStore {
 public:
  // An explicit file is for tests; by default the user's own file is used.
  SettingsStore() = default;
  explicit SettingsStore(QString fileName) : fileName_(std::move(fileName)) {}

  // The stored text, or "0" when there is none or the file cannot be read.
  // Reads the sound switch too.
  QString ReadHiScore();
  // Whether the sounds are on, as the file said when the high score was read.
  bool SoundOn() const { return soundOn_; }
  // A record is written only while it beats what is stored now, a clear
  // always; without a change only a missing file is created. sound, when
  // the window switched it, is written too. The other keys and sections
  // stay as they were. False when a write was due but failed, or the file
  // could not be read; the file is then as it was.
  bool WriteHiScore(const QString& text, HiScoreChange change, std::optional<bool> sound = std::nullopt) const;

 private:
  QString Path() const;

  QString fileName_;
  bool unreadable_ = false;  // the file was there at the start but could not be read
  bool soundOn_ = true;
};

}  // namespace vexalon
