// The panel's controls that take the keyboard: "[Clear]" and "PROTOTYPE",
// labels that answer a click; the difficulty bar; "New game".
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "shell/qt/accessibility.h"

namespace vexalon {

// A label that answers a left click, as the two that clear the high score
// do. "[Clear]" also takes the keyboard: a press and release of Space or
// Enter on it is a click.
class ClickableLabel : public QLabel, public Pressable {
 public:
  explicit ClickableLabel(QWidget* parent, bool takesKeyboard = false);
  std::function<void()> onClick;
  void Press() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int heldKey_ = 0;
};

// The difficulty bar takes the keyboard (arrows, Page Up and Down, Home,
// End), and shows when it has it with the style's focus mark.
class LevelBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// "New game" answers Enter and the keypad's Enter as it answers Space:
// pressed down, clicked on the release.
class NewGameButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vexalon
