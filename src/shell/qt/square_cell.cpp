#include "shell/qt/square_cell.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

#include "shell/narration.h"
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

std::optional<KeyButton> ButtonOfKey(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
    case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_PageUp: return KeyButton{1, kUpperHalf};
    case Qt::Key_PageDown: return KeyButton{1, kLowerHalf};
    case Qt::Key_Menu: return KeyButton{2, kUpperHalf};
    case Qt::Key_F10: return modifiers & Qt::ShiftModifier ? std::optional(KeyButton{2, kUpperHalf}) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace

SquareCell::SquareCell(int index, QWidget* parent) : QWidget(parent), index_(index) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The keyboard comes by Tab and the arrow keys, never by a click.
  setFocusPolicy(Qt::TabFocus);
  // A right-click here is a trial, never the window's menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
  Describe();
}

void SquareCell::Show(Picture picture) {
  if (picture == shown_) return;
  shown_ = picture;
  update();
  Describe();
}

// What a screen reader says of the square: "Red, arrow up, row 2, column 3",
// and what Space and Page Down would do on it.
void SquareCell::Describe() {
  setAccessibleName(QString::fromStdString(SquareWords(shown_)) +
                    tr(", row %1, column %2").arg(index_ / kSide + 1).arg(index_ % kSide + 1));
  setAccessibleDescription(QString::fromStdString(SquareKeys(shown_)));
}

void SquareCell::Press() {
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

// A key's press and release are the button's, the one its press chose
// (Shift+F10 stays the Menu key when Shift goes up first); auto-repeat does
// nothing, and a release whose press went to another square is not this
// one's.
void SquareCell::keyPressEvent(QKeyEvent* event) {
  std::optional<KeyButton> key = ButtonOfKey(event->key(), event->modifiers());
  if (!key) return event->ignore();  // the arrow keys move the board's cursor
  if (event->isAutoRepeat() || !onPress_) return;
  heldKey_ = event->key(), heldButton_ = key->button, heldY_ = key->y;
  onPress_(index_, key->button, ShiftCode(event->modifiers()), key->y);
}

void SquareCell::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != heldKey_ && !ButtonOfKey(event->key(), event->modifiers())) return event->ignore();
  if (event->isAutoRepeat() || heldKey_ != event->key() || !onRelease_) return;
  heldKey_ = 0;
  onRelease_(index_, heldButton_, ShiftCode(event->modifiers()), heldY_);
}

// A key still down as the keyboard leaves is released elsewhere: not here.
void SquareCell::focusOutEvent(QFocusEvent* event) {
  heldKey_ = 0;
  QWidget::focusOutEvent(event);
}

}  // namespace vexalon
