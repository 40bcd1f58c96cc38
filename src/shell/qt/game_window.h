// The game's window: the 6 x 6 board on the left, the panel on the right.
// It forwards the player's events to the game and mirrors its state.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>

#include "shell/game_form.h"
#include "shell/qt/qt_platform.h"
#include "shell/qt/square_cell.h"

namespace vexalon {

class ClickableLabel;

class GameWindow : public QWidget {
 public:
  explicit GameWindow(SettingsStore settings = {});

  GameForm& Game() { return game_; }
  QtPlatform& Platform() { return platform_; }
  SquareCell* Cell(int index) { return cells_[static_cast<std::size_t>(index)]; }

  void Load();       // Form_Load, then show the dealt board
  void Unload();     // Form_Unload, once: the high score to the settings file
  void Sync();       // bring every widget in line with the game

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  template <typename Handler>
  void Run(Handler handler);
  void BuildBoard();
  void BuildPanel();
  void TakeTheKeyboard();
  QLabel* AddLabel(const char* name, const QString& text, QRect geometry, const QFont& font, QColor colour,
                   Qt::Alignment alignment, QLabel* label = nullptr);

  QtPlatform platform_;
  GameForm game_;
  std::array<SquareCell*, kCells> cells_{};
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
  int cursor_ = 0;  // the square the keyboard has, or gets back, on the board
  bool unloaded_ = false;
};

}  // namespace vexalon
