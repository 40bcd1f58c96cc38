#include "shell/qt/game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <memory>

#include "shell/qt/accessibility.h"
#include "shell/qt/announcer.h"
#include "shell/qt/board_view.h"
#include "shell/qt/controls.h"
#include "shell/qt/game_menu.h"
#include "shell/qt/help_window.h"
#include "shell/qt/hint_view.h"
#include "shell/qt/pictures.h"

namespace vexalon {
namespace {

// "Arial Narrow" is Liberation Sans Narrow on Linux; sizes are in pixels
// so the panel keeps its layout whatever the screen's dots per inch.
QFont NarrowFont(int pixels, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont SansSerifFont(int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(pixels);
  return font;
}

const QColor kGreen(0, 192, 0);
const QColor kYellow(255, 255, 0);
const QColor kHighlight(255, 255, 255);  // 3D highlight and highlight text
const QColor kButtonFace(192, 192, 192);
const QColor kGround(0, 0, 0);           // button text and menu text: the labels' ground

// A number on the panel says to a screen reader what it is: "Score 120".
void SetText(QLabel* label, const QString& text, const QString& caption = {}) {
  if (label->text() != text) label->setText(text);
  QString name = caption.isEmpty() ? text : caption + ' ' + text;
  if (label->accessibleName() != name) label->setAccessibleName(name);
}

void SetShown(QWidget* widget, bool shown) {
  if (widget->isHidden() == shown) widget->setVisible(shown);
}

}  // namespace

GameWindow::GameWindow(SettingsStore settings)
    : platform_(*this,
                {[this](Timer timer) { Run([this, timer] { game_.OnTimer(timer); }); }, [this] { Sync(); }},
                std::move(settings)),
      game_(platform_) {
  setWindowTitle(tr("Vexalon - by Oskel"));
  setWindowIcon(GameIcon());
  // A fixed window with a close box only: no minimise or maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(557, 417);
  InstallAccessibility();
  BuildBoard();
  BuildPanel();
  TakeTheKeyboard();
  OfferCommands();
}

SquareCell* GameWindow::Cell(int index) { return board_->Cell(index); }

// After every handler the window shows the game, and a chain that has
// ended is told.
template <typename Handler>
void GameWindow::Run(Handler handler) {
  handler();
  Sync();
  announcer_->Say(narrator_.Settled());
}

// A move on a square is answered at once.
void GameWindow::BuildBoard() {
  board_ = new BoardView(this);
  announcer_ = new Announcer(this);
  for (int k = 0; k < kCells; ++k) {
    Cell(k)->OnPress([this](int index, int button, int shift, double y) {
      Scene before = SceneOf(game_);
      Run([&] { game_.sq_MouseDown(index, button, shift, y); });
      announcer_->Say(narrator_.Pressed(index, button, shift, before));
    });
    Cell(k)->OnRelease([this](int index, int button, int shift, double y) {
      Scene before = SceneOf(game_);
      Run([&] { game_.sq_MouseUp(index, button, shift, y); });
      announcer_->Say(narrator_.Released(index, button, shift, before));
    });
  }
}

QLabel* GameWindow::AddLabel(const char* name, const QString& text, QRect geometry, const QFont& font,
                             QColor colour, Qt::Alignment alignment, QLabel* label) {
  if (!label) label = new QLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, kGround);
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

void GameWindow::BuildPanel() {
  const auto centre = Qt::AlignHCenter, right = Qt::AlignRight, left = Qt::AlignLeft;
  // A number says what it is ("Score 120"); its caption is not read again.
  auto caption = [this] {
    auto* label = new QLabel(this);
    MarkAsCaption(label);
    return label;
  };
  // The title reaches over the corner of the top right cell; beneath the
  // board it costs no repaint when that cell changes.
  AddLabel("Label4", "Vexalon", {408, 16, 161, 25}, NarrowFont(17, true), kGreen, centre)->lower();
  auto* label5 = new ClickableLabel(this);
  AddLabel("Label5", "PROTOTYPE", {436, 40, 105, 25}, NarrowFont(17, true), kGreen, centre, label5);
  label5->onClick = [this] { Run([this] { game_.Label5_Click(); }); };
  AddLabel("LableGame", "Game by Oskel", {424, 64, 129, 25}, NarrowFont(15), kGreen, centre);
  AddLabel("Label2", tr("Level"), {448, 96, 57, 17}, NarrowFont(16), kHighlight, right, caption());
  labelLevel_ = AddLabel("LabelLevel", "", {448, 120, 57, 17}, SansSerifFont(16), kHighlight, right);
  AddLabel("Label3", tr("Score"), {448, 152, 57, 17}, NarrowFont(16), kHighlight, right, caption());
  labelScore_ = AddLabel("LabelScore", "", {448, 176, 57, 17}, SansSerifFont(16), kHighlight, right);
  AddLabel("Hiscore", tr("Hiscore"), {448, 208, 57, 17}, NarrowFont(16), kHighlight, right, caption());
  auto* labelClr = new ClickableLabel(this, true);
  AddLabel("LabelClr", tr("[Clear]"), {513, 211, 33, 17}, NarrowFont(11), kButtonFace, left, labelClr);
  labelClr->onClick = [this] { Run([this] { game_.LabelClr_Click(); }); };
  labelClr->setAccessibleName(tr("Clear the high score"));
  labelClr_ = labelClr;
  labelHiScore_ = AddLabel("LabelHiScore", "", {448, 232, 57, 17}, SansSerifFont(16), kHighlight, right);
  labelComboT_ = AddLabel("LabelComboT", tr("Combo x"), {448, 256, 65, 17}, NarrowFont(16, true), kYellow, left, caption());
  labelCombo_ = AddLabel("LabelCombo", "", {504, 256, 25, 17}, NarrowFont(16, true), kYellow, right);
  AddLabel("LabelRemoves1", tr("Erasers:"), {456, 280, 65, 17}, NarrowFont(16), kHighlight, left, caption());
  labelRemoves_ = AddLabel("LabelRemoves", "0", {512, 280, 9, 17}, NarrowFont(16), kHighlight, right);

  command1_ = new NewGameButton(tr("New game"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(448, 320, 80, 33);
  connect(command1_, &QPushButton::clicked, this, [this] {
    Run([this] { game_.Command1_Click(); });
    announcer_->Say(narrator_.NewGame());
  });

  AddLabel("Label1", tr("Difficulty:"), {456, 365, 57, 17}, NarrowFont(16), kButtonFace, left, caption());
  levelTxt_ = AddLabel("LevelTxt", "1", {510, 365, 14, 17}, NarrowFont(16), kHighlight, right);

  hScrollLevel_ = new LevelBar(Qt::Horizontal, this);
  hScrollLevel_->setObjectName(QStringLiteral("HScrollLevel"));
  hScrollLevel_->setGeometry(448, 387, 80, 17);
  hScrollLevel_->setRange(1, 10);
  hScrollLevel_->setSingleStep(1);
  hScrollLevel_->setPageStep(1);
  hScrollLevel_->setValue(1);
  hScrollLevel_->setFocusPolicy(Qt::StrongFocus);
  hScrollLevel_->setInvertedControls(false);  // Right, Up and Page Up choose a harder game
  hScrollLevel_->setContextMenuPolicy(Qt::NoContextMenu);  // "Scroll here" means nothing on a 1-10 chooser
  hScrollLevel_->setAccessibleName(tr("Difficulty"));
  connect(hScrollLevel_, &QScrollBar::valueChanged, this,
          [this](int value) { Run([this, value] { game_.HScrollLevel_Change(value); }); });

  labelGameOver_ = AddLabel("LabelGameOver", tr("Game Over"), {136, 192, 177, 41}, SansSerifFont(32), kHighlight,
                            centre);
  labelGameOver_->hide();
  labelGameOver_->raise();
}

// Tab goes round New game, the difficulty bar, "[Clear]" and the board, a
// single stop whose square the arrow keys choose. New game starts with the
// keyboard, as before. S says the panel wherever the keyboard is.
void GameWindow::TakeTheKeyboard() {
  setTabOrder(command1_, hScrollLevel_);
  setTabOrder(hScrollLevel_, labelClr_);
  command1_->setFocus();
  auto* panel = new QShortcut(QKeySequence(Qt::Key_S), this);
  panel->setAutoRepeat(false);
  connect(panel, &QShortcut::activated, this, [this] { announcer_->Say(PanelSentence(game_.record)); });
}

// New game, Hint, Sound, How to play, Clear the high score and Quit, each
// with its key wherever the keyboard is, and in the menu.
void GameWindow::OfferCommands() {
  hint_ = new HintView(*board_, *announcer_, game_);
  GameMenu::Commands commands;
  commands.newGame = [this] { command1_->click(); };
  commands.hint = [this] { hint_->Give(); };
  commands.sound = [this](bool on) {
    platform_.SetSoundOn(on);
    announcer_->Say((on ? GameMenu::tr("Sound on") : GameMenu::tr("Sound off")).toStdString());
  };
  commands.help = [this] {
    HelpWindow help(this);
    platform_.HoldStill(help, [&help] { return help.exec(); });
  };
  commands.clearHiScore = [this] { Run([this] { game_.LabelClr_Click(); }); };
  commands.quit = [this] { close(); };
  menu_ = new GameMenu(*this, std::move(commands));
}

void GameWindow::OpenMenu(QPoint at) {
  menu_->ShowSound(platform_.SoundOn());
  platform_.HoldStill(menu_->Menu(), [this, at] {
    menu_->Open(at);
    return 0;
  });
}

// A right-click outside the squares; the Menu key or Shift+F10 where the
// board does not have the keyboard (there they are a trial).
void GameWindow::contextMenuEvent(QContextMenuEvent* event) { OpenMenu(event->globalPos()); }

void GameWindow::keyPressEvent(QKeyEvent* event) {
  bool menuKey = event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey || event->isAutoRepeat()) return QWidget::keyPressEvent(event);
  QWidget* focus = focusWidget() ? focusWidget() : this;
  OpenMenu(focus->mapToGlobal(QPoint(0, focus->height())));
}

bool GameWindow::focusNextPrevChild(bool next) {
  QWidget* focus = focusWidget();
  bool onBoard = dynamic_cast<SquareCell*>(focus) != nullptr;
  Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
  if (onBoard)
    (next ? static_cast<QWidget*>(command1_) : labelClr_)->setFocus(reason);
  else if (focus == (next ? static_cast<QWidget*>(labelClr_) : command1_))
    board_->Cursor()->setFocus(reason);
  else
    return QWidget::focusNextPrevChild(next);
  return true;
}

void GameWindow::Load() {
  Run([this] { game_.Form_Load(); });
}

void GameWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  game_.Form_Unload();
}

void GameWindow::Sync() {
  for (int k = 0; k < kCells; ++k) Cell(k)->Show(game_.sq[static_cast<std::size_t>(k)].picture);
  const StateRecord& record = game_.record;
  SetText(labelLevel_, QString::number(record.level), tr("Level"));
  SetText(labelScore_, QString::number(record.score), tr("Score"));
  SetText(labelHiScore_, QString::fromStdString(record.hiScore), tr("Hiscore"));
  SetText(labelCombo_, QString::number(record.combo), tr("Combo x"));
  SetText(labelRemoves_, QString::number(record.erasers), tr("Erasers"));
  SetText(levelTxt_, QString::number(record.levelTxt), tr("Difficulty"));
  SetShown(labelCombo_, record.comboShown);
  SetShown(labelComboT_, record.comboShown);
  SetShown(labelGameOver_, record.gameOverShown);
}

void GameWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
}

// The window is never destroyed here: a step may be inside a yield and go
// on after this returns. The high score is written once the event loop ends.
void GameWindow::closeEvent(QCloseEvent* event) {
  platform_.Shutdown();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace vexalon
