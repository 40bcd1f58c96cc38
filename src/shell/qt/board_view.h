// The board on screen: the 36 squares in their rows, and the cursor square
// that the keyboard moves, ringed in the gap around its picture. A screen
// reader finds the squares inside it, "Board, 6 by 6".
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <array>

#include "shell/qt/square_cell.h"

namespace vexalon {

class BoardView : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(vexalon::BoardView)

 public:
  explicit BoardView(QWidget* window);

  SquareCell* Cell(int index) { return cells_[static_cast<std::size_t>(index)]; }
  // The square that has the keyboard, or gets it back when Tab comes here.
  SquareCell* Cursor() { return Cell(cursor_); }
  // Rings a hinted square as the cursor is ringed, or none (-1).
  void Ring(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::array<SquareCell*, kCells> cells_{};
  void UpdateRing(int index);

  int cursor_ = 0;
  int hinted_ = -1;
};

}  // namespace vexalon
