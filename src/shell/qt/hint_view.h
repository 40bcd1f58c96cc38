// The hint on screen and aloud: the square is ringed as the keyboard's
// cursor is, until the next press, key or click; the keyboard's cursor goes
// there when the board has the keyboard; the screen reader says where and
// which key. It never changes the game.
#pragma once

#include <QCoreApplication>
#include <QObject>

namespace vexalon {

class Announcer;
class BoardView;
class GameForm;

class HintView : public QObject {
  Q_DECLARE_TR_FUNCTIONS(vexalon::HintView)

 public:
  HintView(BoardView& board, Announcer& announcer, const GameForm& game);
  void Give();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BoardView& board_;
  Announcer& announcer_;
  const GameForm& game_;
};

}  // namespace vexalon
