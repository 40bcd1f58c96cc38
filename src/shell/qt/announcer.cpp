#include "shell/qt/announcer.h"

#include <QAccessible>

namespace vexalon {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Announcer"));
  setGeometry(0, 0, 0, 0);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void Announcer::Say(const std::string& sentence) {
  if (sentence.empty() || !QAccessible::isActive()) return;
  hide();
  setAccessibleName(QString::fromStdString(sentence));
  show();
}

}  // namespace vexalon
