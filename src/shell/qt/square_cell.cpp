#include "shell/qt/square_cell.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

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
constexpr double kUpperHalf = 15 * kTwipsPerPixel;
constexpr double kLowerHalf = 45 * kTwipsPerPixel;

// The keys that act as a mouse button on the square that has the keyboard:
// the button, and the height of the press.
struct KeyButton {
  int button;
  double y;
};

std::optional<KeyButton> ButtonOfKey(int key) {
  switch (key) {
    case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_PageUp: return KeyButton{1, kUpperHalf};
    case Qt::Key_PageDown: return KeyButton{1, kLowerHalf};
    case Qt::Key_Menu: return KeyButton{2, kUpperHalf};
    default: return std::nullopt;
  }
}

}  // namespace

SquareCell::SquareCell(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The keyboard comes by Tab and the arrow keys, never by a click.
  setFocusPolicy(Qt::TabFocus);
  Describe();
}

// A screen reader hears the new name of a square that changed.
void SquareCell::Show(Picture picture) {
  if (picture == shown_) return;
  shown_ = picture;
  update();
  Describe();
}

// What a screen reader says of the square: "Red, arrow up, row 2, column 3".
void SquareCell::Describe() {
  setAccessibleName(PictureWords(shown_) + QStringLiteral(", row %1, column %2").arg(index_ / kSide + 1).arg(index_ % kSide + 1));
}

void SquareCell::Click() {
  if (onPress_) onPress_(index_, 1, 0, kUpperHalf);
  if (onRelease_) onRelease_(index_, 1, 0, kUpperHalf);
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

// A key's press and release are the button's; auto-repeat does nothing, and
// a release whose press went to another square is not this one's.
void SquareCell::keyPressEvent(QKeyEvent* event) {
  std::optional<KeyButton> key = ButtonOfKey(event->key());
  if (!key) return event->ignore();  // the arrow keys move the window's cursor
  if (event->isAutoRepeat() || !onPress_) return;
  heldKey_ = event->key();
  onPress_(index_, key->button, ShiftCode(event->modifiers()), key->y);
}

void SquareCell::keyReleaseEvent(QKeyEvent* event) {
  std::optional<KeyButton> key = ButtonOfKey(event->key());
  if (!key) return event->ignore();
  if (event->isAutoRepeat() || heldKey_ != event->key() || !onRelease_) return;
  heldKey_ = 0;
  onRelease_(index_, key->button, ShiftCode(event->modifiers()), key->y);
}

}  // namespace vexalon
