// What the game says, handed to the screen reader: a notification that is
// hidden, renamed and shown again for each sentence, which Orca speaks as
// "notification" and the sentence. It has no size and paints nothing.
#pragma once

#include <QWidget>
#include <string>

namespace vexalon {

class Announcer : public QWidget {
 public:
  explicit Announcer(QWidget* parent);

  // Nothing for an empty sentence, or while no screen reader listens.
  void Say(const std::string& sentence);
};

}  // namespace vexalon
