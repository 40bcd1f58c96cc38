// The real window on Qt's offscreen platform, driven with real Qt events.
#include <QApplication>
#include <QFontInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"
#include "shell/qt/pictures.h"
#include "support/board_text.h"

using namespace vexalon;

class WindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::unique_ptr<GameWindow> window_;

  QString Ini() const { return dir_.filePath("Brantomel.ini"); }
  QString Stored() const { return QSettings(Ini(), QSettings::IniFormat).value("HiScore").toString(); }
  QLabel* Label(const char* name) { return window_->findChild<QLabel*>(name); }
  GameForm& Game() { return window_->Game(); }

  // A quiet deal (colours 0 to 4 in turn never line up), arrows first,
  // plain squares for every refill.
  void Open(const char* stored = "7") {
    QFile::remove(Ini());
    QSettings(Ini(), QSettings::IniFormat).setValue("HiScore", stored);
    window_ = std::make_unique<GameWindow>(SettingsStore(Ini()));
    auto draws = std::make_shared<std::deque<float>>(testing::Draws("0up 1up 2up 3up 4down 0 1 2 3 4"));
    window_->Platform().randomSource = [draws, n = 0]() mutable {
      int i = n++;
      return (*draws)[static_cast<std::size_t>(i % 5 + (i >= kCells ? 5 : 0))];
    };
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->Platform().DisableTimer(Timer::WaitAfterInitTimer);
  }

  void Answer(QMessageBox::StandardButton button, int afterMs = 0) {
    QTimer::singleShot(afterMs, [button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box && box->icon() == QMessageBox::NoIcon);
      QCOMPARE(box->windowTitle() + ": " + box->text(), "Clear Hiscore: Do you really want to clear the hiscore?");
      QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
      if (button == QMessageBox::Cancel) QTest::keyClick(box, Qt::Key_Escape);
      else box->button(button)->click();
    });
  }

 private slots:
  void cleanup() { window_.reset(); }

  void layout() {
    Open("<b>9</b>");
    QCOMPARE(window_->windowTitle(), "Vexalon - by Oskel");
    QCOMPARE(window_->size(), QSize(557, 417));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
             Qt::WindowCloseButtonHint);
    for (int k : {0, 5, 30, 35}) QCOMPARE(window_->Cell(k)->geometry(), QRect(32 + 64 * (k % 6), 24 + 64 * (k / 6), 60, 60));
    struct Expected {
      const char *name, *text;
      QRect geometry;
      const char* colour;
      Qt::Alignment alignment;
      int pixels;
      bool narrow, bold;
    };
    const Qt::Alignment centre = Qt::AlignHCenter, right = Qt::AlignRight, left = Qt::AlignLeft;
    const Expected labels[] = {
        {"Label4", "Vexalon", {408, 16, 161, 25}, "#00c000", centre, 17, true, true},
        {"Label5", "PROTOTYPE", {436, 40, 105, 25}, "#00c000", centre, 17, true, true},
        {"LableGame", "Game by Oskel", {424, 64, 129, 25}, "#00c000", centre, 15, true, false},
        {"Label2", "Level", {448, 96, 57, 17}, "#ffffff", right, 16, true, false},
        {"LabelLevel", "1", {448, 120, 57, 17}, "#ffffff", right, 16, false, false},
        {"Label3", "Score", {448, 152, 57, 17}, "#ffffff", right, 16, true, false},
        {"LabelScore", "0", {448, 176, 57, 17}, "#ffffff", right, 16, false, false},
        {"Hiscore", "Hiscore", {448, 208, 57, 17}, "#ffffff", right, 16, true, false},
        {"LabelClr", "[Clear]", {513, 211, 33, 17}, "#c0c0c0", left, 11, true, false},
        {"LabelHiScore", "<b>9</b>", {448, 232, 57, 17}, "#ffffff", right, 16, false, false},
        {"LabelComboT", "Combo x", {448, 256, 65, 17}, "#ffff00", left, 16, true, true},
        {"LabelCombo", "0", {504, 256, 25, 17}, "#ffff00", right, 16, true, true},
        {"LabelRemoves1", "Erasers:", {456, 280, 65, 17}, "#ffffff", left, 16, true, false},
        {"LabelRemoves", "0", {512, 280, 9, 17}, "#ffffff", right, 16, true, false},
        {"Label1", "Difficulty:", {456, 365, 57, 17}, "#c0c0c0", left, 16, true, false},
        {"LevelTxt", "1", {510, 365, 14, 17}, "#ffffff", right, 16, true, false},
        {"LabelGameOver", "Game Over", {136, 192, 177, 41}, "#ffffff", centre, 32, false, false},
    };
    for (const Expected& e : labels) {
      QLabel* label = Label(e.name);
      QVERIFY2(label, e.name);
      QCOMPARE(label->text(), e.text);
      QCOMPARE(label->geometry(), e.geometry);
      QCOMPARE(label->palette().color(QPalette::WindowText).name(), e.colour);
      QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
      QCOMPARE(label->alignment(), e.alignment | Qt::AlignTop);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QFontInfo font(label->font());
      QCOMPARE(font.family(), e.narrow ? "Liberation Sans Narrow" : "Liberation Sans");
      QCOMPARE(QPair(font.pixelSize(), font.bold()), QPair(e.pixels, e.bold));
      QCOMPARE(label->isVisible(), !QByteArray(e.name).contains("Combo") && QByteArray(e.name) != "LabelGameOver");
    }
    auto* button = window_->findChild<QPushButton*>("Command1");
    QCOMPARE(button->text() + " " + QString::number(button->geometry().x()), "New game 448");
    QCOMPARE(button->geometry(), QRect(448, 320, 80, 33));
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    QCOMPARE(bar->geometry(), QRect(448, 387, 80, 17));
    QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->value(), bar->singleStep(), bar->pageStep()}),
             QList<int>({1, 10, 1, 1, 1}));
  }

  // Every widget mirrors the game after each handler and at each yield.
  void mirrorsTheGame() {
    Open();
    StateRecord& r = Game().record;
    r = {.score = 123, .combo = 5, .comboShown = true, .erasers = 2, .level = 4, .levelTxt = 9, .hiScore = "80",
         .newGame = false, .reactions = 0, .clickedY = "", .gameOverShown = true};
    Game().sq[3] = {Kind::k2down, Picture::tri2r, 1};
    window_->Sync();
    QStringList texts;
    for (const char* name : {"LabelScore", "LabelCombo", "LabelRemoves", "LabelLevel", "LevelTxt", "LabelHiScore"})
      texts << Label(name)->text();
    QCOMPARE(texts.join(' '), "123 5 2 4 9 80");
    for (const char* name : {"LabelCombo", "LabelComboT", "LabelGameOver"}) QVERIFY(Label(name)->isVisible());
    for (int k = 0; k < kCells; ++k) QCOMPARE(window_->Cell(k)->Shown(), Game().sq[k].picture);
    r.comboShown = r.gameOverShown = false;
    window_->Sync();
    for (const char* name : {"LabelCombo", "LabelComboT", "LabelGameOver"}) QVERIFY(!Label(name)->isVisible());
  }

  // The half of an up-and-down square comes from the press's height; the
  // right button, or the left with Shift, Ctrl or Alt, tries kinds instead.
  void mouse_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("after");
    QTest::newRow("left, upper half") << int(Qt::LeftButton) << 0 << QPoint(59, 29) << "3up 1";
    QTest::newRow("left, lower half") << int(Qt::LeftButton) << 0 << QPoint(1, 30) << "1down 1";
    QTest::newRow("middle with keys") << int(Qt::MiddleButton) << int(Qt::ShiftModifier | Qt::AltModifier)
                                      << QPoint(30, 10) << "3up 1";
    QTest::newRow("right") << int(Qt::RightButton) << 0 << QPoint(30, 10) << "2updown 0";
    QTest::newRow("left with Shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier) << QPoint(30, 10) << "2updown 0";
    QTest::newRow("left with Ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier) << QPoint(30, 10) << "2updown 0";
    QTest::newRow("left with Alt") << int(Qt::LeftButton) << int(Qt::AltModifier) << QPoint(30, 50) << "2updown 0";
  }
  void mouse() {
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(QPoint, at);
    QFETCH(QString, after);
    Open();
    Game().sq[14] = {Kind::k2updown, Picture::sq2updown};
    QTest::mouseClick(window_->Cell(14), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
    QCOMPARE(QString(KindText(Game().sq[14].tag).data()) + " " + Label("LabelScore")->text(), after);
    QCOMPARE(window_->Cell(14)->Shown(), Template(Game().sq[14].tag));
  }

  // Sound 101 for a reaction's removal, 102 for an eraser's, whole and at
  // their own rate, handed to the sound module (here the tests' recorder).
  void sounds() {
    Open();
    auto played = reinterpret_cast<QStringList* (*)()>(
        QLibrary::resolve(QCoreApplication::applicationDirPath() + "/vexalon-sound", "vexalon_played_sounds"));
    QVERIFY(played);
    played()->clear();
    Game().record.erasers = 1;
    Game().sq[14] = {Kind::k3, Picture::sq3};
    QTest::mouseClick(window_->Cell(14), Qt::RightButton);
    Game().sq[0] = Game().sq[1] = Game().sq[2] = {Kind::k4, Picture::sq4};
    Game().CheckReactions();
    QCOMPARE(played()->join(' '), "2157 at 11025 16704 at 11025");
    for (auto [id, size] : {std::pair{101, 16752}, {102, 2204}}) {
      QFile image(QString(":/sounds/%1.wav").arg(id));
      QVERIFY(image.open(QIODevice::ReadOnly));
      QCOMPARE(image.size(), size);
    }
  }

  // A yield lets pending input and timer ticks run before the step goes on.
  void yieldRunsPendingEvents() {
    Open();
    QStringList seen;
    window_->Platform().onYield = [&] {
      seen << QString(KindText(Game().sq[0].tag).data()) + " " + Label("LabelScore")->text();
      if (seen.size() > 1) return;
      for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(window_->Cell(0), new QMouseEvent(type, QPointF(30, 10), QPointF(30, 10),
                                                                      Qt::LeftButton, Qt::LeftButton, {}));
    };
    QTest::mouseClick(window_->Cell(14), Qt::RightButton);  // four trials, each scan yields
    QCOMPARE(seen.mid(0, 2).join(", "), "0up 0, 1up 1");
    // The first scan comes a second after a deal; a running timer enabled
    // again keeps its count.
    QtPlatform& platform = window_->Platform();
    platform.EnableTimer(Timer::WaitAfterInitTimer);
    QTest::qWait(300);
    platform.EnableTimer(Timer::WaitAfterInitTimer);
    QVERIFY(platform.RemainingMs(Timer::WaitAfterInitTimer) <= 700);
    QVERIFY(platform.RemainingMs(Timer::WaitAfterInitTimer) > 600);
  }

  void clearPromptAsksFirst() {
    Open("555");
    Answer(QMessageBox::Cancel);
    QTest::mouseClick(Label("LabelClr"), Qt::LeftButton);
    QCOMPARE(Label("LabelHiScore")->text(), "555");
    Answer(QMessageBox::Yes);
    QTest::mouseClick(Label("Label5"), Qt::LeftButton);
    QCOMPARE(Label("LabelHiScore")->text(), "0");
    QCOMPARE(Stored(), "555");
    window_->close();
    window_->Unload();
    QCOMPARE(Stored(), "0");
  }

  // Closed while a step yields: the step finishes, nothing runs after it,
  // and the high score it set is saved.
  void closeInsideAYield() {
    Open("10");
    for (int k = 0; k < kCells; ++k) SetSquare(Game().sq[k], Kind(int(Kind::k0) + k % 5));  // no arrow, no line
    Game().record.score = 500;
    window_->Platform().onYield = [&] { window_->close(); };
    window_->Platform().EnableTimer(Timer::WaitAfterClickTimer);
    QTRY_VERIFY_WITH_TIMEOUT(window_->Platform().IsShutDown(), 3000);
    QCOMPARE(Label("LabelHiScore")->text(), "500");
    for (int t = 0; t < kTimerCount; ++t) QVERIFY(!window_->Platform().IsEnabled(Timer(t)));
    window_->Unload();
    QCOMPARE(Stored(), "500");
  }

  // Nothing of the game runs behind the clear prompt; afterwards the held
  // scan ends the game with the score beating the cleared high score.
  void clearPromptHoldsTheGame() {
    Open("100");
    for (int k = 0; k < kCells; ++k) SetSquare(Game().sq[k], Kind(int(Kind::k0) + k % 5));  // no arrow, no line
    Game().record.score = 500;
    window_->Platform().EnableTimer(Timer::WaitAfterClickTimer);
    QTimer::singleShot(0, [this] {
      QTest::qWait(1500);
      QVERIFY(!Label("LabelGameOver")->isVisible());
      QCOMPARE(Label("LabelHiScore")->text(), "100");
    });
    Answer(QMessageBox::Yes, 1600);
    QTest::mouseClick(Label("LabelClr"), Qt::LeftButton);
    QCOMPARE(Label("LabelHiScore")->text(), "0");
    QTRY_COMPARE_WITH_TIMEOUT(Label("LabelHiScore")->text(), "500", 2000);
    QVERIFY(Label("LabelGameOver")->isVisible());
  }

  // Tab goes from New game to the difficulty bar, whose keys choose 1 to 10.
  void difficultyTakesTheKeyboard() {
    Open();
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    QCOMPARE(bar->contextMenuPolicy(), Qt::NoContextMenu);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->findChild<QPushButton*>("Command1")->setFocus();
    QImage unfocused = bar->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), bar);
    QVERIFY(bar->grab().toImage() != unfocused);  // the focus mark
    QStringList shown;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_PageUp})
      QTest::keyClick(bar, key), shown << Label("LevelTxt")->text();
    QCOMPARE(shown.join(' '), "2 10 9 1 2");
  }

  void closeSignalCancelsAnOpenPrompt() {
    Open("555");
    CloseOnSignals(*window_);
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    QTest::mouseClick(Label("Label5"), Qt::LeftButton);  // returns once the box is gone
    QVERIFY(window_->Platform().IsShutDown() && !window_->isVisible());
    QCOMPARE(Label("LabelHiScore")->text(), "555");
  }

  // Outlines in the digit's colour, 24 + 4 x digit across; arrows beyond the
  // edge; a diamond for a marked square; nested bands for the multi-colour.
  void pictures() {
    struct Sample {
      Picture picture;
      QPoint at;
      const char* colour;
    };
    const Sample samples[] = {
        {Picture::sq0, {20, 30}, "#ce84ce"}, {Picture::sq1, {18, 30}, "#31ad00"}, {Picture::sq2, {16, 30}, "#ffff00"},
        {Picture::sq3, {14, 30}, "#ff0000"}, {Picture::sq4, {12, 30}, "#4210ff"}, {Picture::sq4, {30, 30}, "#000000"},
        {Picture::sq0up, {30, 15}, "#ce84ce"}, {Picture::sq0up, {30, 44}, "#000000"},
        {Picture::sq3down, {30, 49}, "#ff0000"}, {Picture::sq3down, {30, 10}, "#000000"},
        {Picture::sq2updown, {30, 11}, "#ffff00"}, {Picture::sq2updown, {30, 48}, "#ffff00"},
        {Picture::tri1r, {18, 30}, "#000000"}, {Picture::tri1r, {30, 5}, "#000000"}, {Picture::tri1r, {13, 30}, "#31ad00"},
        {Picture::sq1234, {40, 30}, "#ce84ce"}, {Picture::sq1234, {42, 30}, "#31ad00"},
        {Picture::sq1234, {44, 30}, "#ffff00"}, {Picture::sq1234, {46, 30}, "#ff0000"},
        {Picture::sq1234, {48, 30}, "#4210ff"}, {Picture::sq1234, {30, 30}, "#000000"},
        {Picture::sqEmpty, {30, 30}, "#000000"},
    };
    for (const Sample& s : samples) {
      QImage image = PicturePixmap(s.picture, 2.0).toImage();
      QCOMPARE(image.size(), QSize(120, 120));
      QCOMPARE(QString(PictureName(s.picture).data()) + " " + image.pixelColor(s.at * 2).name(),
               QString(PictureName(s.picture).data()) + " " + s.colour);
    }
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // never the player's own file
  QApplication app(argc, argv);
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
