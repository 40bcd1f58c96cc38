// How a screen reader sees the window's own widgets: the squares and
// "[Clear]" as push buttons it can press, the board as a named group, the
// panel's captions left to the numbers that name them, and the announcer
// as a notification.
#pragma once

class QWidget;

namespace vexalon {

// A widget whose click a screen reader's press action asks for.
class Pressable {
 public:
  virtual ~Pressable() = default;
  virtual void Press() = 0;
};

// A label whose words a number beside it already says ("Score" beside
// "Score 120"): a screen reader passes over it.
void MarkAsCaption(QWidget* label);

// Once for the program.
void InstallAccessibility();

}  // namespace vexalon
