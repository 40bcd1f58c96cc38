// The high score in the user's settings: Brantomel/Brantomel.ini under
// $XDG_CONFIG_HOME (or ~/.config), key HiScore of section [General].
#pragma once

#include <QString>

namespace vexalon {

class SettingsStore {
 public:
  // An explicit file is for tests; by default the user's own file is used.
  SettingsStore() = default;
  explicit SettingsStore(QString fileName) : fileName_(std::move(fileName)) {}

  QString ReadHiScore() const;
  // False when the value could not be saved; the old file is then left as it was.
  bool WriteHiScore(const QString& text) const;

 private:
  QString fileName_;
};

}  // namespace vexalon
