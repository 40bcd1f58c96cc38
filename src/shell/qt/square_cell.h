// One board cell on screen: shows a picture, reports presses and releases
// of the mouse, and of the keys that act as its buttons.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "board/board.h"
#include "shell/qt/accessibility.h"

namespace vexalon {

class SquareCell : public QWidget, public Pressable {
  Q_DECLARE_TR_FUNCTIONS(vexalon::SquareCell)

 public:
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
  // y: twips from the cell's top edge.
  using MouseHandler = std::function<void(int index, int button, int shift, double y)>;

  SquareCell(int index, QWidget* parent);

  void Show(Picture picture);
  Picture Shown() const { return shown_; }
  int Index() const { return index_; }
  void OnPress(MouseHandler handler) { onPress_ = std::move(handler); }
  void OnRelease(MouseHandler handler) { onRelease_ = std::move(handler); }
  // A left click on the upper half, as a screen reader's press asks.
  void Press() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Forward(const MouseHandler& handler, QMouseEvent* event);
  void Describe();

  int index_;
  Picture shown_ = Picture::sqEmpty;
  int heldKey_ = 0;  // the key whose press this cell forwarded, until its release
  int heldButton_ = 0;
  double heldY_ = 0;
  MouseHandler onPress_;
  MouseHandler onRelease_;
};

}  // namespace vexalon
