#include "shell/qt/square_cell.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/qt/pictures.h"

namespace vexalon {
namespace {

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

constexpr double kTwipsPerPixel = 15;

}  // namespace

SquareCell::SquareCell(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SquareCell::Show(Picture picture) {
  if (picture == shown_) return;
  shown_ = picture;
  update();
}

void SquareCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, PicturePixmap(shown_, devicePixelRatioF()));
}

void SquareCell::mousePressEvent(QMouseEvent* event) { Forward(onPress_, event); }

void SquareCell::mouseReleaseEvent(QMouseEvent* event) { Forward(onRelease_, event); }

// Positions are logical pixels, so a HiDPI screen gives the same twips.
void SquareCell::Forward(const MouseHandler& handler, QMouseEvent* event) {
  int button = ButtonCode(event->button());
  if (button == 0 || !handler) return;
  handler(index_, button, ShiftCode(event->modifiers()), event->position().y() * kTwipsPerPixel);
}

}  // namespace vexalon
