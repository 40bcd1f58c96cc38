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

  QString Stored() const { return QSettings(dir_.filePath("hi.ini"), QSettings::IniFormat).value("HiScore").toString(); }
  QString Text(const char* name) {
    auto* label = window_->findChild<QLabel*>(name);
    return label->isVisible() || !window_->isVisible() ? label->text() : "(hidden)";
  }
  GameForm& Game() { return window_->Game(); }
  QtPlatform& Platform() { return window_->Platform(); }
  void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(widget, button); }
  void Click(const char* label) { Click(window_->findChild<QLabel*>(label)); }

  // The quiet board (no line, one arrow square), or one without arrows.
  void Open(const char* stored = "7", bool arrows = true) {
    QFile::remove(dir_.filePath("hi.ini"));
    QSettings(dir_.filePath("hi.ini"), QSettings::IniFormat).setValue("HiScore", stored);
    window_ = std::make_unique<GameWindow>(SettingsStore(dir_.filePath("hi.ini")));
    window_->Load();
    Platform().DisableTimer(Timer::WaitAfterInitTimer);
    testing::SetBoard(Game(), arrows ? testing::kQuiet : "0 1 2 0 1 2 1 2 0 1 2 0 2 0 1 2 0 1 0 1 2 0 1 2 1 2 0 1 2 0 2 0 1 2 0 1");
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  // Answers the clear prompt once it is open, by Escape for Cancel.
  void Answer(QMessageBox::StandardButton button, int afterMs = 0) {
    QTimer::singleShot(afterMs, [button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      QString seen = box->windowTitle() + ": " + box->text() + (box->icon() ? " (icon)" : "") +
                     (box->defaultButton() == box->button(QMessageBox::Yes) ? " (Yes)" : "");
      button == QMessageBox::Cancel ? QTest::keyClick(box, Qt::Key_Escape) : box->button(button)->click();
      QCOMPARE(seen, "Clear Hiscore: Do you really want to clear the hiscore? (Yes)");
    });
  }

 private slots:
  void cleanup() { window_.reset(); }

  // The window, the cells and every label: text, place, colour, alignment
  // (1 left, 2 right, 4 centre, all at the top), font pixels, weight and
  // family, on black, as plain text, and whether shown at the start.
  void layout() {
    Open("<b>9</b>");
    QCOMPARE(window_->windowTitle() + QString(" %1x%2").arg(window_->width()).arg(window_->height()), "Vexalon - by Oskel 557x417");
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
             Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QCOMPARE(window_->windowIcon().pixmap(64).toImage().pixelColor(19, 32).name(), "#31ad00");  // the green up-and-down
    for (int k : {0, 5, 30, 35}) QCOMPARE(window_->Cell(k)->geometry(), QRect(32 + 64 * (k % 6), 24 + 64 * (k / 6), 60, 60));
    QCOMPARE(window_->childAt(410, 30), window_->Cell(5));  // beneath the title's corner
    const char* labels[] = {"Label4 Vexalon 408,16 161x25 #00c000 4 17 bold narrow shown",
                            "Label5 PROTOTYPE 436,40 105x25 #00c000 4 17 bold narrow shown",
                            "LableGame Game by Oskel 424,64 129x25 #00c000 4 15 narrow shown",
                            "Label2 Level 448,96 57x17 #ffffff 2 16 narrow shown",
                            "LabelLevel 1 448,120 57x17 #ffffff 2 16 sans shown",
                            "Label3 Score 448,152 57x17 #ffffff 2 16 narrow shown",
                            "LabelScore 0 448,176 57x17 #ffffff 2 16 sans shown",
                            "Hiscore Hiscore 448,208 57x17 #ffffff 2 16 narrow shown",
                            "LabelClr [Clear] 513,211 33x17 #c0c0c0 1 11 narrow shown",
                            "LabelHiScore <b>9</b> 448,232 57x17 #ffffff 2 16 sans shown",
                            "LabelComboT Combo x 448,256 65x17 #ffff00 1 16 bold narrow",
                            "LabelCombo 0 504,256 25x17 #ffff00 2 16 bold narrow",
                            "LabelRemoves1 Erasers: 456,280 65x17 #ffffff 1 16 narrow shown",
                            "LabelRemoves 0 512,280 9x17 #ffffff 2 16 narrow shown",
                            "Label1 Difficulty: 456,365 57x17 #c0c0c0 1 16 narrow shown",
                            "LevelTxt 1 510,365 14x17 #ffffff 2 16 narrow shown",
                            "LabelGameOver Game Over 136,192 177x41 #ffffff 4 32 sans"};
    for (QString expected : labels) {
      auto* l = window_->findChild<QLabel*>(expected.section(' ', 0, 0));
      QFontInfo f(l->font());
      QString family = f.family() == "Liberation Sans Narrow" ? " narrow" : f.family() == "Liberation Sans" ? " sans" : " ?";
      QCOMPARE(QString("%1 %2 %3,%4 %5x%6 %7 %8 %9").arg(l->objectName(), l->text()).arg(l->x()).arg(l->y()).arg(l->width())
                   .arg(l->height()).arg(l->palette().color(QPalette::WindowText).name()).arg(int(l->alignment() ^ Qt::AlignTop))
                   .arg(f.pixelSize()) + (f.bold() ? " bold" : "") + family + (l->isVisible() ? " shown" : ""), expected);
      QVERIFY(l->palette().color(QPalette::Window) == Qt::black && l->autoFillBackground() && l->textFormat() == Qt::PlainText);
    }
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    auto* button = window_->findChild<QPushButton*>("Command1");
    QCOMPARE(QString("%1 %2,%3 %4-%5 %6 %7 %8").arg(button->text()).arg(button->x()).arg(button->y()).arg(bar->minimum())
                 .arg(bar->maximum()).arg(bar->value()).arg(bar->singleStep()).arg(bar->pageStep()), "New game 448,320 1-10 1 1 1");
    QCOMPARE(button->size() + bar->size() + QSize(bar->x(), bar->y()), QSize(80 + 80 + 448, 33 + 17 + 387));
  }

  // The half of an up-and-down square comes from the press's height; the
  // right button, or the left with Shift, Ctrl or Alt, tries kinds instead.
  // Every widget shows the game after each handler.
  void mouse() {
    Open();
    const std::tuple<Qt::MouseButton, Qt::KeyboardModifiers, QPoint, const char*> clicks[] = {
        {Qt::LeftButton, {}, {59, 29}, "3up 1"},   {Qt::LeftButton, {}, {1, 30}, "1down 2"},
        {Qt::MiddleButton, Qt::ShiftModifier | Qt::AltModifier, {30, 10}, "3up 3"},
        {Qt::RightButton, {}, {30, 10}, "2updown 3"}, {Qt::LeftButton, Qt::ShiftModifier, {30, 10}, "2updown 3"},
        {Qt::LeftButton, Qt::ControlModifier, {30, 10}, "2updown 3"}, {Qt::LeftButton, Qt::AltModifier, {30, 50}, "2updown 3"}};
    for (auto [button, modifiers, at, after] : clicks) {
      Game().sq[14] = {Kind::k2updown, Picture::sq2updown};
      QTest::mouseClick(window_->Cell(14), button, modifiers, at);
      QCOMPARE(KindText(Game().sq[14].tag).data() + (" " + Text("LabelScore")), after);
      QCOMPARE(window_->Cell(14)->Shown(), Template(Game().sq[14].tag));
    }
    Game().record.erasers = 2;
    Game().record.comboShown = true;
    Click(window_->Cell(35));  // spends an eraser, hides the combo
    QCOMPARE(Text("LabelRemoves") + " " + Text("LabelCombo"), "1 (hidden)");
    Game().record = {.score = 123, .combo = 5, .comboShown = true, .erasers = 2, .level = 4, .levelTxt = 9,
                     .hiScore = "80", .newGame = false, .reactions = 7, .clickedY = "", .gameOverShown = true};
    window_->Sync();
    QStringList texts;
    for (const char* name : {"LabelScore", "LabelCombo", "LabelComboT", "LabelRemoves", "LabelLevel", "LevelTxt", "LabelHiScore", "LabelGameOver"})
      texts << Text(name);
    QCOMPARE(texts.join(' '), "123 5 Combo x 2 4 9 80 Game Over");
  }

  // Sound 101 for a reaction's removal, 102 for an eraser's, whole and at
  // their own rate, handed to the sound module (here the tests' recorder);
  // the cell shows its diamond while the sound plays.
  void sounds() {
    Open();
    auto played = reinterpret_cast<QStringList* (*)()>(
        QLibrary::resolve(QCoreApplication::applicationDirPath() + "/vexalon-sound", "vexalon_played_sounds"));
    QVERIFY(played);
    played()->clear();
    Game().record.erasers = 1;
    Game().sq[14] = {Kind::k3, Picture::sq3};
    QString shown;  // at the first yield
    Platform().onYield = [&] { shown += shown.isEmpty() ? PictureName(window_->Cell(14)->Shown()).data() : ""; };
    Click(window_->Cell(14), Qt::RightButton);
    Game().sq[0] = Game().sq[1] = Game().sq[2] = {Kind::k4, Picture::sq4};
    Game().CheckReactions();
    QCOMPARE(played()->join(' ') + " " + shown, "2157 at 11025 16704 at 11025 tri3r");
  }

  // A yield lets pending input and timer ticks run before the step goes on;
  // the first scan comes a second after a deal; a running timer enabled
  // again keeps its count.
  void yieldRunsPendingEvents() {
    Open();
    QStringList seen;
    Game().sq[14] = {Kind::k2updown, Picture::sq2updown};
    Platform().onYield = [&] {
      seen << QString(KindText(Game().sq[0].tag).data()) + " " + Text("LabelScore");
      for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        if (seen.size() == 1)
          QCoreApplication::postEvent(window_->Cell(0), new QMouseEvent(type, {30, 10}, {30, 10}, Qt::LeftButton, Qt::LeftButton, {}));
    };
    Click(window_->Cell(14), Qt::RightButton);  // four trials, each scan yields
    QCOMPARE(seen.mid(0, 2).join(", "), "0up 0, 1up 1");
    Platform().EnableTimer(Timer::WaitAfterInitTimer);
    QTest::qWait(300);
    Platform().EnableTimer(Timer::WaitAfterInitTimer);
    QVERIFY(Platform().RemainingMs(Timer::WaitAfterInitTimer) <= 700 && Platform().RemainingMs(Timer::WaitAfterInitTimer) > 600);
  }

  // Nothing of the game runs behind the clear prompt: the scan it held ends
  // the game after the answer, and beats the cleared high score.
  void clearPromptAsksAndHoldsTheGame() {
    Open("100", false);
    Game().record.score = 500;
    Answer(QMessageBox::Cancel);
    Click("LabelClr");
    Platform().EnableTimer(Timer::WaitAfterClickTimer);
    QTimer::singleShot(0, [this] {
      QTest::qWait(1500);
      QCOMPARE(Text("LabelHiScore") + " " + Text("LabelGameOver"), "100 (hidden)");
    });
    Answer(QMessageBox::Yes, 1600);
    Click("Label5");
    QCOMPARE(Text("LabelHiScore") + " " + Stored(), "0 100");  // saved at the close only
    QTRY_COMPARE_WITH_TIMEOUT(Text("LabelHiScore") + " " + Text("LabelGameOver"), "500 Game Over", 2000);
  }

  // Tab goes from New game to the difficulty bar, whose keys choose 1 to 10.
  void difficultyTakesTheKeyboard() {
    Open();
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->findChild<QPushButton*>("Command1")->setFocus();
    QImage unfocused = bar->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() == bar && bar->grab().toImage() != unfocused);  // with the focus mark
    QStringList shown;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_PageUp})
      QTest::keyClick(bar, key), shown << Text("LevelTxt");
    QCOMPARE(shown.join(' ') + (bar->contextMenuPolicy() == Qt::NoContextMenu ? "" : " (menu)"), "2 10 9 1 2");
  }

  // Closed while a step yields: the step finishes, no timer runs or starts
  // after it, and the high score it set is saved. A close signal answers
  // an open prompt Cancel.
  void closeInsideAYieldOrThePrompt() {
    Open("10", false);
    Game().record.score = 500;
    Platform().onYield = [&] { window_->close(); };
    Platform().EnableTimer(Timer::WaitAfterClickTimer);
    Platform().EnableTimer(Timer::TimerHideCombo);
    QTRY_VERIFY_WITH_TIMEOUT(Platform().IsShutDown(), 3000);
    Platform().EnableTimer(Timer::TimerClearSq);
    for (int t = 0; t < kTimerCount; ++t) QVERIFY(!Platform().IsEnabled(Timer(t)));
    window_->Unload();
    QCOMPARE(Text("LabelHiScore") + " " + Stored(), "500 500");
    Open("555");
    CloseOnSignals(*window_);
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    Click("Label5");  // returns once the box is gone
    QVERIFY(Platform().IsShutDown() && !window_->isVisible() && Text("LabelHiScore") == "555");
  }

  // Outlines in the digit's colours, 24 + 4 x digit across; arrows beyond
  // the edge; a diamond for a marked square; nested bands for the
  // multi-colour; drawn crisp at twice the density.
  void pictures() {
    const std::tuple<Picture, QPoint, const char*> samples[] = {
        {Picture::sq0, {20, 30}, "#ce84ce"},     {Picture::sq1, {18, 30}, "#31ad00"},  {Picture::sq2, {16, 30}, "#ffff00"},
        {Picture::sq2, {14, 30}, "#ff5200"},     {Picture::sq3, {14, 30}, "#ff0000"},  {Picture::sq4, {12, 30}, "#4210ff"},
        {Picture::sq4, {30, 30}, "#000000"},     {Picture::sq0up, {30, 15}, "#ce84ce"}, {Picture::sq0up, {30, 44}, "#000000"},
        {Picture::sq3down, {30, 49}, "#ff0000"}, {Picture::sq3down, {30, 10}, "#000000"},
        {Picture::sq2updown, {30, 11}, "#ffff00"}, {Picture::sq2updown, {30, 48}, "#ffff00"},
        {Picture::tri1r, {18, 30}, "#000000"},   {Picture::tri1r, {13, 30}, "#31ad00"}, {Picture::sq1234, {40, 30}, "#ce84ce"},
        {Picture::sq1234, {42, 30}, "#31ad00"},  {Picture::sq1234, {44, 30}, "#ffff00"}, {Picture::sq1234, {46, 30}, "#ff0000"},
        {Picture::sq1234, {48, 30}, "#4210ff"},  {Picture::sq1234, {30, 30}, "#000000"}};
    for (auto [picture, at, colour] : samples)
      QCOMPARE(PictureName(picture).data() + (" " + PicturePixmap(picture, 2.0).toImage().pixelColor(at * 2).name()),
               PictureName(picture).data() + (" " + QString(colour)));
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
