// The window's commands, each with its key, and the menu that offers them:
// New game, Hint, Sound, How to play, Clear the high score, Quit. The keys
// work wherever the keyboard is in the window; the menu opens on a
// right-click outside the board, or the Menu key or Shift+F10 there.
#pragma once

#include <QCoreApplication>
#include <QMenu>
#include <functional>

namespace vexalon {

class GameMenu : public QObject {
  Q_DECLARE_TR_FUNCTIONS(vexalon::GameMenu)

 public:
  struct Commands {
    std::function<void()> newGame, hint, help, clearHiScore, quit;
    std::function<void(bool on)> sound;
  };

  GameMenu(QWidget& window, Commands commands);

  void ShowSound(bool on) { sound_->setChecked(on); }
  // Opens the menu at a point of the screen; returns once it has closed.
  void Open(QPoint at);
  QMenu& Menu() { return *menu_; }

 private:
  QAction* Add(const QString& text, const QList<QKeySequence>& keys, const std::function<void()>& run);

  QWidget& window_;
  QMenu* menu_;  // the window's child
  QAction* sound_ = nullptr;
};

}  // namespace vexalon
