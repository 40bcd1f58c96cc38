// The game's window: the 6 x 6 board on the left, the panel on the right.
// It forwards the player's events to the game, mirrors its state, and says
// what became of them.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "shell/game_form.h"
#include "shell/narration.h"
#include "shell/qt/qt_platform.h"
#include "shell/qt/square_cell.h"

namespace vexalon {

class Announcer;
class BoardView;
class ClickableLabel;
class GameMenu;
class HintView;

class GameWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(vexalon::GameWindow)

 public:
  explicit GameWindow(SettingsStore settings = {});

  GameForm& Game() { return game_; }
  QtPlatform& Platform() { return platform_; }
  SquareCell* Cell(int index);

  void Load();       // Form_Load, then show the dealt board
  void Unload();     // Form_Unload, once: the high score to the settings file
  void Sync();       // bring every widget in line with the game

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  template <typename Handler>
  void Run(Handler handler);
  void BuildBoard();
  void BuildPanel();
  void TakeTheKeyboard();
  void OfferCommands();
  void OpenMenu(QPoint at);
  QLabel* AddLabel(const char* name, const QString& text, QRect geometry, const QFont& font, QColor colour,
                   Qt::Alignment alignment, QLabel* label = nullptr);

  QtPlatform platform_;
  GameForm game_;
  Narrator narrator_{game_};
  BoardView* board_ = nullptr;
  Announcer* announcer_ = nullptr;
  GameMenu* menu_ = nullptr;
  HintView* hint_ = nullptr;
  QLabel* labelLevel_ = nullptr;
  QLabel* labelScore_ = nullptr;
  QLabel* labelHiScore_ = nullptr;
  QLabel* labelComboT_ = nullptr;
  QLabel* labelCombo_ = nullptr;
  QLabel* labelRemoves_ = nullptr;
  QLabel* levelTxt_ = nullptr;
  QLabel* labelGameOver_ = nullptr;
  QLabel* labelClr_ = nullptr;
  QPushButton* command1_ = nullptr;
  QScrollBar* hScrollLevel_ = nullptr;
  bool unloaded_ = false;
};

}  // namespace vexalon
