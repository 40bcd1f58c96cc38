#include "shell/qt/game_menu.h"

namespace vexalon {

GameMenu::GameMenu(QWidget& window, Commands commands)
    : QObject(&window), window_(window), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("GameMenu"));
  menu_->setAccessibleName(tr("Game"));
  Add(tr("&New game"), {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)}, commands.newGame);
  Add(tr("&Hint"), {QKeySequence(Qt::Key_H)}, commands.hint);
  sound_ = Add(tr("&Sound"), {QKeySequence(Qt::Key_M)}, [this, sound = commands.sound] { sound(sound_->isChecked()); });
  sound_->setCheckable(true);
  Add(tr("How to &play"), {QKeySequence(Qt::Key_F1)}, commands.help);
  menu_->addSeparator();
  Add(tr("&Clear the high score"), {}, commands.clearHiScore);
  Add(tr("&Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, commands.quit);
}

// The action's keys work in the whole window, once for a held key.
QAction* GameMenu::Add(const QString& text, const QList<QKeySequence>& keys, const std::function<void()>& run) {
  QAction* action = menu_->addAction(text);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setAutoRepeat(false);
  QObject::connect(action, &QAction::triggered, &window_, [run] { run(); });
  window_.addAction(action);
  return action;
}

void GameMenu::Open(QPoint at) { menu_->exec(at); }

}  // namespace vexalon
