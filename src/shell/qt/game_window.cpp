#include "shell/qt/game_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "shell/qt/pictures.h"

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

}  // namespace

// A label that answers a left click, as the two that clear the high score
// do. "[Clear]" also takes the keyboard: a press and release of Space or
// Enter on it is a click.
class ClickableLabel : public QLabel {
 public:
  explicit ClickableLabel(QWidget* parent, bool takesKeyboard = false) : QLabel(parent) {
    if (takesKeyboard) setFocusPolicy(Qt::TabFocus);
  }
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (!IsClickKey(event->key())) return QLabel::keyPressEvent(event);
    if (!event->isAutoRepeat()) heldKey_ = event->key();
  }
  // On the release, so that a held key cannot answer the prompt it opens.
  void keyReleaseEvent(QKeyEvent* event) override {
    if (!IsClickKey(event->key())) return QLabel::keyReleaseEvent(event);
    if (event->isAutoRepeat() || heldKey_ != event->key()) return;
    heldKey_ = 0;
    if (onClick) onClick();
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    PaintFocusMark(*this);
  }

 private:
  static bool IsClickKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }
  int heldKey_ = 0;
};

// The difficulty bar takes the keyboard (arrows, Page Up and Down, Home,
// End), and shows when it has it with the style's focus mark.
class LevelBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    PaintFocusMark(*this);
  }
};

namespace {

// A square or "[Clear]" as a screen reader sees it: a push button that can
// take the keyboard, whose press is a click.
class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(QWidget* widget, std::function<void()> press)
      : QAccessibleWidget(widget, QAccessible::Button), press_(std::move(press)) {}
  QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    // Once the reader's call has returned: a click may open the prompt or yield.
    QMetaObject::invokeMethod(widget(), press_, Qt::QueuedConnection);
  }

 private:
  std::function<void()> press_;
};

QAccessibleInterface* GameAccessible(const QString&, QObject* object) {
  if (auto* cell = dynamic_cast<SquareCell*>(object)) return new ButtonAccessible(cell, [cell] { cell->Click(); });
  auto* label = dynamic_cast<ClickableLabel*>(object);
  if (label && label->focusPolicy() != Qt::NoFocus) return new ButtonAccessible(label, [label] { label->onClick(); });
  return nullptr;
}

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

constexpr int kCellSize = 60;
constexpr int kCellPitch = 64;

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
  setWindowTitle(QStringLiteral("Vexalon - by Oskel"));
  setWindowIcon(GameIcon());
  // A fixed window with a close box only: no minimise or maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(557, 417);
  static bool accessible = (QAccessible::installFactory(GameAccessible), true);
  (void)accessible;
  BuildBoard();
  BuildPanel();
  TakeTheKeyboard();
}

template <typename Handler>
void GameWindow::Run(Handler handler) {
  handler();
  Sync();
}

void GameWindow::BuildBoard() {
  for (int k = 0; k < kCells; ++k) {
    auto* cell = new SquareCell(k, this);
    cell->setObjectName(QStringLiteral("sq%1").arg(k));
    cell->setGeometry(32 + kCellPitch * (k % kSide), 24 + kCellPitch * (k / kSide), kCellSize, kCellSize);
    cell->OnPress([this](int index, int button, int shift, double y) {
      Run([&] { game_.sq_MouseDown(index, button, shift, y); });
    });
    cell->OnRelease([this](int index, int button, int shift, double y) {
      Run([&] { game_.sq_MouseUp(index, button, shift, y); });
    });
    cells_[static_cast<std::size_t>(k)] = cell;
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
  // The title reaches over the corner of the top right cell; beneath the
  // board it costs no repaint when that cell changes.
  AddLabel("Label4", "Vexalon", {408, 16, 161, 25}, NarrowFont(17, true), kGreen, centre)->lower();
  auto* label5 = new ClickableLabel(this);
  AddLabel("Label5", "PROTOTYPE", {436, 40, 105, 25}, NarrowFont(17, true), kGreen, centre, label5);
  label5->onClick = [this] { Run([this] { game_.Label5_Click(); }); };
  AddLabel("LableGame", "Game by Oskel", {424, 64, 129, 25}, NarrowFont(15), kGreen, centre);
  AddLabel("Label2", "Level", {448, 96, 57, 17}, NarrowFont(16), kHighlight, right);
  labelLevel_ = AddLabel("LabelLevel", "", {448, 120, 57, 17}, SansSerifFont(16), kHighlight, right);
  AddLabel("Label3", "Score", {448, 152, 57, 17}, NarrowFont(16), kHighlight, right);
  labelScore_ = AddLabel("LabelScore", "", {448, 176, 57, 17}, SansSerifFont(16), kHighlight, right);
  AddLabel("Hiscore", "Hiscore", {448, 208, 57, 17}, NarrowFont(16), kHighlight, right);
  auto* labelClr = new ClickableLabel(this, true);
  AddLabel("LabelClr", "[Clear]", {513, 211, 33, 17}, NarrowFont(11), kButtonFace, left, labelClr);
  labelClr->onClick = [this] { Run([this] { game_.LabelClr_Click(); }); };
  labelClr->setAccessibleName(QStringLiteral("Clear the high score"));
  labelClr_ = labelClr;
  labelHiScore_ = AddLabel("LabelHiScore", "", {448, 232, 57, 17}, SansSerifFont(16), kHighlight, right);
  labelComboT_ = AddLabel("LabelComboT", "Combo x", {448, 256, 65, 17}, NarrowFont(16, true), kYellow, left);
  labelCombo_ = AddLabel("LabelCombo", "", {504, 256, 25, 17}, NarrowFont(16, true), kYellow, right);
  AddLabel("LabelRemoves1", "Erasers:", {456, 280, 65, 17}, NarrowFont(16), kHighlight, left);
  labelRemoves_ = AddLabel("LabelRemoves", "0", {512, 280, 9, 17}, NarrowFont(16), kHighlight, right);

  command1_ = new QPushButton(QStringLiteral("New game"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(448, 320, 80, 33);
  connect(command1_, &QPushButton::clicked, this, [this] { Run([this] { game_.Command1_Click(); }); });

  AddLabel("Label1", "Difficulty:", {456, 365, 57, 17}, NarrowFont(16), kButtonFace, left);
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
  hScrollLevel_->setAccessibleName(QStringLiteral("Difficulty"));
  connect(hScrollLevel_, &QScrollBar::valueChanged, this,
          [this](int value) { Run([this, value] { game_.HScrollLevel_Change(value); }); });

  labelGameOver_ = AddLabel("LabelGameOver", "Game Over", {136, 192, 177, 41}, SansSerifFont(32), kHighlight,
                            centre);
  labelGameOver_->hide();
  labelGameOver_->raise();
}

// Tab goes round New game, the difficulty bar, "[Clear]" and the board, a
// single stop whose square the arrow keys choose. New game starts with the
// keyboard, as before.
void GameWindow::TakeTheKeyboard() {
  setTabOrder(command1_, hScrollLevel_);
  setTabOrder(hScrollLevel_, labelClr_);
  command1_->setFocus();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    for (QWidget* widget : {old, now}) {
      auto* cell = dynamic_cast<SquareCell*>(widget);
      if (!cell || cell->parentWidget() != this) continue;
      update(QRegion(cell->geometry().adjusted(-2, -2, 2, 2)).subtracted(cell->geometry()));
      if (widget == now) cursor_ = cell->Index();
    }
  });
  for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)}) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, command1_, &QPushButton::click);
  }
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quit->setAutoRepeat(false);
  connect(quit, &QShortcut::activated, this, &QWidget::close);
}

bool GameWindow::focusNextPrevChild(bool next) {
  QWidget* focus = focusWidget();
  bool onBoard = dynamic_cast<SquareCell*>(focus) != nullptr;
  Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
  if (onBoard)
    (next ? static_cast<QWidget*>(command1_) : labelClr_)->setFocus(reason);
  else if (focus == (next ? static_cast<QWidget*>(labelClr_) : command1_))
    Cell(cursor_)->setFocus(reason);
  else
    return QWidget::focusNextPrevChild(next);
  return true;
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  if (!Cell(cursor_)->hasFocus()) return QWidget::keyPressEvent(event);
  int row = cursor_ / kSide, column = cursor_ % kSide;
  switch (event->key()) {
    case Qt::Key_Left: column = std::max(column - 1, 0); break;
    case Qt::Key_Right: column = std::min(column + 1, kSide - 1); break;
    case Qt::Key_Up: row = std::max(row - 1, 0); break;
    case Qt::Key_Down: row = std::min(row + 1, kSide - 1); break;
    default: return QWidget::keyPressEvent(event);
  }
  Cell(CellIndex(row, column))->setFocus(Qt::OtherFocusReason);
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
  for (int k = 0; k < kCells; ++k) cells_[static_cast<std::size_t>(k)]->Show(game_.sq[static_cast<std::size_t>(k)].picture);
  const StateRecord& record = game_.record;
  SetText(labelLevel_, QString::number(record.level), QStringLiteral("Level"));
  SetText(labelScore_, QString::number(record.score), QStringLiteral("Score"));
  SetText(labelHiScore_, QString::fromStdString(record.hiScore), QStringLiteral("Hiscore"));
  SetText(labelCombo_, QString::number(record.combo), QStringLiteral("Combo x"));
  SetText(labelRemoves_, QString::number(record.erasers), QStringLiteral("Erasers"));
  SetText(levelTxt_, QString::number(record.levelTxt), QStringLiteral("Difficulty"));
  SetShown(labelCombo_, record.comboShown);
  SetShown(labelComboT_, record.comboShown);
  SetShown(labelGameOver_, record.gameOverShown);
}

// Black, and the keyboard's cursor: a ring in the gap around the square
// that has the keyboard, never over its picture.
void GameWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (Cell(cursor_)->hasFocus()) painter.fillRect(Cell(cursor_)->geometry().adjusted(-2, -2, 2, 2), kHighlight);
}

// The window is never destroyed here: a step may be inside a yield and go
// on after this returns. The high score is written once the event loop ends.
void GameWindow::closeEvent(QCloseEvent* event) {
  platform_.Shutdown();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace vexalon
