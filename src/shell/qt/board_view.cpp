#include "shell/qt/board_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace vexalon {
namespace {

constexpr int kCellSize = 60;
constexpr int kCellPitch = 64;
constexpr int kRing = 2;  // the cursor's ring, in the gap between pictures

}  // namespace

// Nothing of its own is painted but the ring: the window's black shows
// through, and so does the title beneath the top right square.
BoardView::BoardView(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("Board"));
  setAccessibleName(tr("Board, %1 by %1").arg(kSide));
  setGeometry(32 - kRing, 24 - kRing, kCellPitch * (kSide - 1) + kCellSize + 2 * kRing,
              kCellPitch * (kSide - 1) + kCellSize + 2 * kRing);
  for (int k = 0; k < kCells; ++k) {
    auto* cell = new SquareCell(k, this);
    cell->setObjectName(QStringLiteral("sq%1").arg(k));
    cell->setGeometry(kRing + kCellPitch * (k % kSide), kRing + kCellPitch * (k / kSide), kCellSize, kCellSize);
    cells_[static_cast<std::size_t>(k)] = cell;
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    for (QWidget* widget : {old, now}) {
      auto* cell = dynamic_cast<SquareCell*>(widget);
      if (!cell || cell->parentWidget() != this) continue;
      UpdateRing(cell->Index());
      if (widget == now) cursor_ = cell->Index();
    }
  });
}

void BoardView::UpdateRing(int index) {
  QRect square = Cell(index)->geometry();
  update(QRegion(square.adjusted(-kRing, -kRing, kRing, kRing)).subtracted(square));
}

void BoardView::Ring(int index) {
  if (index == hinted_) return;
  if (hinted_ >= 0) UpdateRing(hinted_);
  hinted_ = index;
  if (hinted_ >= 0) UpdateRing(hinted_);
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int index : {Cursor()->hasFocus() ? cursor_ : -1, hinted_})
    if (index >= 0) painter.fillRect(Cell(index)->geometry().adjusted(-kRing, -kRing, kRing, kRing), Qt::white);
}

// The arrow keys move the cursor up to the edges; Home and End to the ends
// of its row, with Ctrl to the first and last square of the board.
void BoardView::keyPressEvent(QKeyEvent* event) {
  int row = cursor_ / kSide, column = cursor_ % kSide;
  bool board = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Left: column = std::max(column - 1, 0); break;
    case Qt::Key_Right: column = std::min(column + 1, kSide - 1); break;
    case Qt::Key_Up: row = std::max(row - 1, 0); break;
    case Qt::Key_Down: row = std::min(row + 1, kSide - 1); break;
    case Qt::Key_Home: column = 0, row = board ? 0 : row; break;
    case Qt::Key_End: column = kSide - 1, row = board ? kSide - 1 : row; break;
    default: return QWidget::keyPressEvent(event);
  }
  Cell(CellIndex(row, column))->setFocus(Qt::OtherFocusReason);
}

}  // namespace vexalon
