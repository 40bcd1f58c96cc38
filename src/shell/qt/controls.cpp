#include "shell/qt/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace vexalon {
namespace {

// The style's focus mark over a widget that has the keyboard.
void PaintFocusMark(QWidget& widget) {
  if (!widget.hasFocus()) return;
  QStylePainter painter(&widget);
  QStyleOptionFocusRect option;
  option.initFrom(&widget);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool IsClickKey(int key) { return key == Qt::Key_Space || IsEnter(key); }

}  // namespace

ClickableLabel::ClickableLabel(QWidget* parent, bool takesKeyboard) : QLabel(parent) {
  if (takesKeyboard) setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::Press() {
  if (onClick) onClick();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Press();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
  if (!IsClickKey(event->key())) return QLabel::keyPressEvent(event);
  if (!event->isAutoRepeat()) heldKey_ = event->key();
}

// On the release, so that a held key cannot answer the prompt it opens.
void ClickableLabel::keyReleaseEvent(QKeyEvent* event) {
  if (!IsClickKey(event->key())) return QLabel::keyReleaseEvent(event);
  if (event->isAutoRepeat() || heldKey_ != event->key()) return;
  heldKey_ = 0;
  Press();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  PaintFocusMark(*this);
}

void LevelBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  PaintFocusMark(*this);
}

void NewGameButton::keyPressEvent(QKeyEvent* event) {
  if (!IsEnter(event->key())) return QPushButton::keyPressEvent(event);
  QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, event->modifiers(), QStringLiteral(" "), event->isAutoRepeat());
  QPushButton::keyPressEvent(&space);
}

void NewGameButton::keyReleaseEvent(QKeyEvent* event) {
  if (!IsEnter(event->key())) return QPushButton::keyReleaseEvent(event);
  QKeyEvent space(QEvent::KeyRelease, Qt::Key_Space, event->modifiers(), QStringLiteral(" "), event->isAutoRepeat());
  QPushButton::keyReleaseEvent(&space);
}

}  // namespace vexalon
