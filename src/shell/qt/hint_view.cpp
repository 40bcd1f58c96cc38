#include "shell/qt/hint_view.h"

#include <QApplication>
#include <QEvent>

#include "input/hint.h"
#include "shell/game_form.h"
#include "shell/narration.h"
#include "shell/qt/announcer.h"
#include "shell/qt/board_view.h"

namespace vexalon {
namespace {

QString Lowered(const std::string& words) {
  QString text = QString::fromStdString(words);
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text;
}

}  // namespace

HintView::HintView(BoardView& board, Announcer& announcer, const GameForm& game)
    : QObject(&board), board_(board), announcer_(announcer), game_(game) {
  qApp->installEventFilter(this);
}

// While a chain runs the board is still moving: the player is asked to
// wait rather than shown a square that the chain may take away.
void HintView::Give() {
  Hint hint = game_.record.gameOverShown ? Hint{} : FindHint(game_.sq);
  QString where = tr("Hint: row %1, column %2.").arg(hint.index / kSide + 1).arg(hint.index % kSide + 1);
  QString said;
  switch (hint.what) {
    case HintKind::Step:
      said = where + ' ' + tr("%1 steps it to %2.")
                               .arg(hint.upperHalf ? tr("Space") : tr("Page Down"),
                                    Lowered(SquareWords(Template(hint.becomes))));
      break;
    case HintKind::Trial:
      said = where + ' ' + tr("A trial (right-click, or the Menu key) makes it %1.")
                               .arg(Lowered(SquareWords(Template(hint.becomes))));
      break;
    case HintKind::Wait: said = tr("The board is still moving; ask again once it settles."); break;
    case HintKind::Nothing:
      if (game_.record.gameOverShown)
        said = tr("Game over: Ctrl+N or F2 starts a new game.");
      else if (game_.record.erasers > 0)
        said = tr("Nothing reacts now. An eraser is left: click a plain square to take it away.");
      else
        said = tr("Nothing reacts now. New game (F2) deals a new board.");
      break;
  }
  bool onSquare = hint.what == HintKind::Step || hint.what == HintKind::Trial;
  board_.Ring(onSquare ? hint.index : -1);
  if (onSquare && board_.Cursor()->hasFocus()) board_.Cell(hint.index)->setFocus(Qt::OtherFocusReason);
  announcer_.Say(said.toStdString());
}

// The ring goes at the next press of a key or a button.
bool HintView::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) board_.Ring(-1);
  return false;
}

}  // namespace vexalon
