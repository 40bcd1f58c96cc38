#include "shell/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaObject>

#include "shell/qt/announcer.h"
#include "shell/qt/board_view.h"

namespace vexalon {
namespace {

constexpr const char* kCaption = "vexalonCaption";

// A square or "[Clear]": a push button that can take the keyboard, whose
// press is a click once the reader's call has returned, since a click may
// open the prompt or yield.
class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(QWidget* widget, Pressable* pressable)
      : QAccessibleWidget(widget, QAccessible::Button), pressable_(pressable) {}
  QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QMetaObject::invokeMethod(widget(), [pressable = pressable_] { pressable->Press(); }, Qt::QueuedConnection);
  }

 private:
  Pressable* pressable_;
};

class CaptionAccessible : public QAccessibleWidget {
 public:
  explicit CaptionAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* GameAccessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (auto* pressable = dynamic_cast<Pressable*>(object); pressable && widget->focusPolicy() != Qt::NoFocus)
    return new ButtonAccessible(widget, pressable);
  if (dynamic_cast<Announcer*>(object)) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (dynamic_cast<BoardView*>(object)) return new QAccessibleWidget(widget, QAccessible::Grouping);
  if (auto* label = qobject_cast<QLabel*>(object); label && label->property(kCaption).toBool())
    return new CaptionAccessible(label);
  return nullptr;
}

}  // namespace

void MarkAsCaption(QWidget* label) { label->setProperty(kCaption, true); }

void InstallAccessibility() {
  static bool installed = (QAccessible::installFactory(GameAccessible), true);
  (void)installed;
}

}  // namespace vexalon
