// The real window on Qt's offscreen platform, driven with real Qt events,
// and what it painted compared with reference pictures.
#include <QAccessible>
#include <QApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QMenu>
#include <QTextBrowser>
#include <QContextMenuEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"
#include "shell/qt/pictures.h"
#include "support/platform_probe.h"
#include "support/board_text.h"

using namespace vexalon;

class WindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::unique_ptr<GameWindow> window_;
  std::unique_ptr<PlatformProbe> probe_;

  QString Stored() const { return QSettings(dir_.filePath("hi.ini"), QSettings::IniFormat).value("HiScore").toString(); }
  QString Text(const char* name) {
    auto* label = window_->findChild<QLabel*>(name);
    return label->isVisible() || !window_->isVisible() ? label->text() : "(hidden)";
  }
  GameForm& Game() { return window_->Game(); }
  QtPlatform& Platform() { return window_->Platform(); }
  QScrollBar* Bar() { return window_->findChild<QScrollBar*>("HScrollLevel"); }
  QPushButton* NewGame() { return window_->findChild<QPushButton*>("Command1"); }
  void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(widget, button); }
  void Click(const char* label) { Click(window_->findChild<QLabel*>(label)); }

  // The quiet board (no line, one arrow square), or one without arrows.
  void Open(const char* stored = "7", bool arrows = true) {
    QFile::remove(dir_.filePath("hi.ini"));
    QSettings(dir_.filePath("hi.ini"), QSettings::IniFormat).setValue("HiScore", stored);
    window_ = std::make_unique<GameWindow>(SettingsStore(dir_.filePath("hi.ini")));
    probe_ = std::make_unique<PlatformProbe>(Platform());
    window_->Load();
    Platform().DisableTimer(Timer::WaitAfterInitTimer);
    testing::SetBoard(Game(), arrows ? testing::kQuiet : "0 1 2 0 1 2 1 2 0 1 2 0 2 0 1 2 0 1 0 1 2 0 1 2 1 2 0 1 2 0 2 0 1 2 0 1");
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // What the window shows once pending repaints have run: at ratio 1 what
  // it really painted; at ratio 2 the offscreen platform keeps only a
  // quarter of that, so the window paints itself afresh.
  QImage Painted() {
    QCoreApplication::processEvents();
    QPixmap shown = window_->devicePixelRatio() == 1 ? window_->screen()->grabWindow(window_->winId()) : window_->grab();
    return shown.toImage().convertToFormat(QImage::Format_RGB32);
  }

  // Where a cell lies in the window.
  QRect Place(int k) { return {window_->Cell(k)->mapTo(window_.get(), QPoint()), window_->Cell(k)->size()}; }

  // Every cell painted with the picture the game holds for its square.
  void PaintedFollowsTheGame() {
    QImage painted = Painted();
    for (int k = 0; k < kCells; ++k)
      QVERIFY2(painted.copy(Place(k)) == PicturePixmap(Game().sq[k].picture, 1).toImage().convertToFormat(painted.format()),
               qPrintable(QString("cell %1 does not show %2").arg(k).arg(PictureName(Game().sq[k].picture).data())));
  }

  // The painted pixel in the gap just left of a cell.
  QRgb Gap(int k) { return Painted().pixel(Place(k).x() - 1, Place(k).y() + 30); }

  // The window against its reference picture. Anti-aliasing blends the
  // pixels along an edge with the colours on either side, and the raster
  // engine's code paths for different processors may round that blend a
  // level or two apart. So a pixel may differ only where the reference has
  // an edge (a neighbour of another colour), by at most 4 levels a channel:
  // a cell left unpainted, a moved edge or a changed colour shows.
  void CompareWithPicture(const QString& state) {
    QImage actual = Painted();
    QString name = QString("%1-ratio%2").arg(state).arg(window_->devicePixelRatio());
    QString reference = QStringLiteral(VEXALON_PICTURES "/") + name + ".png";
    if (qEnvironmentVariableIsSet("VEXALON_REMAKE_PICTURES")) {
      QVERIFY(actual.save(reference));
      return;
    }
    QImage expected = QImage(reference).convertToFormat(actual.format()), difference = expected;
    int wrong = expected.size() == actual.size() ? 0 : -1;
    for (int y = 0; y < expected.height() && wrong >= 0; ++y) {
      for (int x = 0; x < expected.width(); ++x) {
        QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
        int levels = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)), std::abs(qBlue(a) - qBlue(e))});
        bool edge = false;
        for (int d = 0; d < 9; ++d) edge |= expected.valid(x + d % 3 - 1, y + d / 3 - 1) && expected.pixel(x + d % 3 - 1, y + d / 3 - 1) != e;
        bool allowed = levels == 0 || (edge && levels <= 4);
        difference.setPixel(x, y, allowed ? qRgb(qGray(e) / 3, qGray(e) / 3, qGray(e) / 3) : qRgb(255, 0, 0));
        wrong += !allowed;
      }
    }
    if (wrong == 0) return;
    QString shown = QDir::current().filePath(name + ".actual.png"), marked = QDir::current().filePath(name + ".difference.png");
    actual.save(shown), difference.save(marked);
    QFAIL(qPrintable(QString("%1 pixels differ from %2 (in red in %3); the window painted %4. The pictures depend on the "
                             "fonts and Qt packages: see the README.").arg(wrong).arg(reference, marked, shown)));
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

  // The window in play and at the end of a game, at this screen's device
  // pixel ratio (the suite runs it at 1 and 2): between them every picture
  // a square can show, "Combo x" and "Game Over" each shown while the other
  // is hidden, and the difficulty bar with and without the keyboard. What a
  // picture cannot show: a fixed window with a close box only, its title
  // and icon, and labels that show a stored text as it is.
  void looks() {
    Open();
    QCOMPARE(window_->windowTitle() + QString(" %1x%2").arg(window_->width()).arg(window_->height()), "Vexalon - by Oskel 557x417");
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
             Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QCOMPARE(window_->windowIcon().pixmap({64, 64}, 1.0).toImage().pixelColor(19, 32).name(), "#31ad00");  // the green up-and-down
    for (QLabel* label : window_->findChildren<QLabel*>()) QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(window_->childAt(410, 30), window_->Cell(5));  // the title lies beneath the board
    testing::SetBoard(Game(), "0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
    Game().record = {.score = 310, .combo = 1, .comboShown = false, .erasers = 3, .level = 12, .levelTxt = 10,
                     .hiScore = "310", .newGame = false, .reactions = 0, .clickedY = "", .gameOverShown = true};
    window_->Sync();
    CompareWithPicture("game-over");  // as a mouse player sees it: no keyboard yet
    testing::SetBoard(Game(), R"(0     1     2       3       4       1234
                                 0up   1up   2up     3up     1down   2down
                                 3down 4down 1updown 2updown 3updown R
                                 0*    1*    2*      3*      4*      0
                                 1     2     0       1       2       0
                                 2     0     1       2       0       1)");
    Game().record = {.score = 123, .combo = 5, .comboShown = true, .erasers = 2, .level = 4, .levelTxt = 9,
                     .hiScore = "80", .newGame = false, .reactions = 7, .clickedY = "", .gameOverShown = false};
    window_->Sync();
    QTest::keyClick(NewGame(), Qt::Key_Tab);  // the difficulty bar takes the keyboard
    CompareWithPicture("in-play");
    QCOMPARE(window_->findChild<QLabel*>("LabelCombo")->accessibleName(), "Combo x 5");  // the other numbers: screen_reader_test
    QCOMPARE(PicturePixmap(Picture::sq3, 3).size(), QSize(180, 180));  // drawn anew for a screen of another density
  }

  // One square, clicked and keyed. The half of an up-and-down square comes
  // from the press's height; Space, Enter and Page Up are the left button
  // on its upper half, Page Down on its lower half. The right button, the
  // left or those keys with Shift, Ctrl or Alt, the Menu key and Shift+F10
  // try kinds instead; the middle button is plain. A key held down does nothing more.
  // A click leaves the keyboard where it was; the square that has it is
  // ringed in the gap around its picture. The window paints what the game
  // holds after each handler, the timers' too. F2 starts a new game.
  void buttonsAndKeys() {
    Open();
    QString tried;
    probe_->OnYield([&] { tried += QString(" ") + KindText(Game().sq[14].tag).data(); });
    const std::tuple<Qt::MouseButton, Qt::Key, Qt::KeyboardModifiers, QPoint, const char*> inputs[] = {
        {Qt::LeftButton, {}, {}, {59, 29}, "3up 1"}, {Qt::LeftButton, {}, {}, {1, 30}, "1down 2"},
        {Qt::MiddleButton, {}, Qt::ShiftModifier | Qt::AltModifier, {30, 10}, "3up 3"}, {Qt::RightButton, {}, {}, {30, 10}, "2updown 3 3up 1down 4 0"},
        {Qt::LeftButton, {}, Qt::ShiftModifier, {30, 10}, "2updown 3 3up 1down 4 0"}, {Qt::LeftButton, {}, Qt::ControlModifier, {30, 10}, "2updown 3 3up 1down 4 0"},
        {Qt::LeftButton, {}, Qt::AltModifier, {30, 50}, "2updown 3 3up 1down 4 0"}, {{}, Qt::Key_Space, {}, {}, "3up 4"},
        {{}, Qt::Key_Return, {}, {}, "3up 5"}, {{}, Qt::Key_Enter, Qt::KeypadModifier, {}, "3up 6"}, {{}, Qt::Key_PageUp, {}, {}, "3up 7"},
        {{}, Qt::Key_PageDown, {}, {}, "1down 8"}, {{}, Qt::Key_Space, Qt::ShiftModifier, {}, "2updown 8 3up 1down 4 0"},
        {{}, Qt::Key_Return, Qt::ControlModifier, {}, "2updown 8 3up 1down 4 0"}, {{}, Qt::Key_PageDown, Qt::AltModifier, {}, "2updown 8 3up 1down 4 0"},
        {{}, Qt::Key_Menu, {}, {}, "2updown 8 3up 1down 4 0"}, {{}, Qt::Key_F10, Qt::ShiftModifier, {}, "2updown 8 3up 1down 4 0"}};
    for (auto [button, key, modifiers, at, after] : inputs) {
      Game().sq[14] = {Kind::k2updown, Picture::sq2updown};
      tried.clear();
      if (key) window_->Cell(14)->setFocus(), QTest::keyClick(window_->Cell(14), key, modifiers);
      else QTest::mouseClick(window_->Cell(14), button, modifiers, at);
      QCOMPARE(KindText(Game().sq[14].tag).data() + (" " + Text("LabelScore")) + tried, after);
      PaintedFollowsTheGame();
      QCOMPARE(Gap(14), key ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    tried.clear();
    for (Qt::Key key : {Qt::Key_Menu, Qt::Key_Space}) {  // held: the auto-repeat's releases and presses between
      QTest::keyPress(window_->Cell(14), key);
      for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent repeat(type, key, {}, {}, true);
        QApplication::sendEvent(window_->Cell(14), &repeat);
      }
      tried += QString(" ") + KindText(Game().sq[14].tag).data();
      QTest::keyRelease(window_->Cell(14), key);
    }
    QCOMPARE(KindText(Game().sq[14].tag).data() + (" " + Text("LabelScore")) + tried, "3up 9 3up 1down 4 0 2updown 2updown");
    Game().record.erasers = 2;
    Click(window_->Cell(35));  // spends an eraser
    QTest::qWait(1200);  // cleared, closed up, refilled
    PaintedFollowsTheGame();
    QTest::keyClick(window_.get(), Qt::Key_F2);  // a new game
    QCOMPARE(Text("LabelScore"), "0");
  }

  // Home and End go to the ends of the cursor's row, with Ctrl to the first
  // and last square of the board. A key released on another square than it
  // was pressed on moves neither, also where an earlier press's release went
  // elsewhere. Enter and the keypad's Enter on New game start one.
  void moreKeys() {
    Open();
    window_->Cell(14)->setFocus();
    QString visited;
    for (Qt::KeyboardModifiers ctrl : {Qt::NoModifier, Qt::ControlModifier})
      for (Qt::Key key : {Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(QApplication::focusWidget(), key, ctrl), visited += QApplication::focusWidget()->objectName() + " ";
    QCOMPARE(visited, "sq12 sq17 sq0 sq35 ");
    Game().sq[14] = Game().sq[15] = {Kind::k2updown, Picture::sq2updown};
    for (auto [from, to] : {std::pair{14, 15}, {15, 14}}) {
      window_->Cell(from)->setFocus();
      QTest::keyPress(window_->Cell(from), Qt::Key_Space);
      window_->Cell(to)->setFocus();
      QTest::keyRelease(window_->Cell(to), Qt::Key_Space);
    }
    QCOMPARE(QString(KindText(Game().sq[14].tag).data()) + " " + KindText(Game().sq[15].tag).data() + " " + Text("LabelScore"), "2updown 2updown 0");
    for (auto [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
      Game().record.score = 5;
      QTest::keyClick(NewGame(), key, modifiers);
      QCOMPARE(Game().record.score, 0);
    }
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
    probe_->OnYield([&] { shown += shown.isEmpty() ? PictureName(window_->Cell(14)->Shown()).data() : ""; });
    Click(window_->Cell(14), Qt::RightButton);
    Game().sq[0] = Game().sq[1] = Game().sq[2] = {Kind::k4, Picture::sq4};
    Game().CheckReactions();
    QCOMPARE(played()->join(' ') + " " + shown, "2157 at 11025 16704 at 11025 tri3r");
  }

  // The menu opens outside the squares, never on one, with every command and
  // its key; the game holds still under it and under the help, which Escape
  // closes. H rings a square until the next key; M switches the sounds off
  // (nothing more is played) and the close keeps it.
  void menuHintSoundAndHelp() {
    Open();
    testing::SetBoard(Game(), "0up 1 1 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
    QStringList seen;
    auto look = [&] {
      QWidget* open = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
      if (auto* menu = qobject_cast<QMenu*>(open)) {  // a menu to a screen reader too, its items named
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(read->role() == QAccessible::PopupMenu && read->child(1)->text(QAccessible::Name) == "Hint");
        for (QAction* action : menu->actions()) seen << action->text() + " " + action->shortcut().toString();
      }
      if (auto* text = open ? open->findChild<QTextBrowser*>() : nullptr) seen << text->toPlainText().section('\n', 0, 0);
      seen << QString(probe_->IsEnabled(Timer::WaitAfterClickTimer) ? "ticking" : "held");
      if (open) QTest::keyClick(open, Qt::Key_Escape);
    };
    Platform().EnableTimer(Timer::WaitAfterClickTimer);
    for (QWidget* where : {static_cast<QWidget*>(window_->Cell(3)), window_->findChild<QWidget*>("Label2")}) {
      QTimer::singleShot(50, look);
      QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, where->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(where, &event);
      QTest::qWait(100);
    }
    QTimer::singleShot(50, look);
    QTest::keyClick(NewGame(), Qt::Key_F10, Qt::ShiftModifier);
    QTimer::singleShot(50, look);
    QTest::keyClick(window_.get(), Qt::Key_F1);
    QCOMPARE(seen.join(", "), "ticking, &New game F2, &Hint H, &Sound M, How to &play F1,  , &Clear the high score , "
                              "&Quit Ctrl+Q, held, &New game F2, &Hint H, &Sound M, How to &play F1,  , &Clear the high score , &Quit Ctrl+Q, "
                              "held, The goal, held");
    QVERIFY(probe_->IsEnabled(Timer::WaitAfterClickTimer));
    window_->activateWindow();  // no window manager gives it back here
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_H);
    QCOMPARE(Gap(0), qRgb(255, 255, 255));
    QTest::keyClick(window_.get(), Qt::Key_Shift);
    QCOMPARE(Gap(0), qRgb(0, 0, 0));
    auto played = reinterpret_cast<QStringList* (*)()>(
        QLibrary::resolve(QCoreApplication::applicationDirPath() + "/vexalon-sound", "vexalon_played_sounds"));
    played()->clear();
    QTest::keyClick(window_.get(), Qt::Key_M);
    Game().sq[0] = Game().sq[6] = Game().sq[12] = {Kind::k4, Picture::sq4};
    Game().CheckReactions();
    window_->Unload();
    QCOMPARE(QString::number(played()->size()) + QSettings(dir_.filePath("hi.ini"), QSettings::IniFormat).value("Sound").toString(), "0false");
  }

  // A yield lets pending input and timer ticks run before the step goes on;
  // the first scan comes a second after a deal; a running timer enabled
  // again keeps its count. Each window deals a board of its own.
  void yieldRunsPendingEvents() {
    GameWindow first, second;
    first.Load(), second.Load();
    QVERIFY(testing::BoardText(first.Game()) != testing::BoardText(second.Game()));
    Open();
    QStringList seen;
    Game().sq[14] = {Kind::k2updown, Picture::sq2updown};
    probe_->OnYield([&] {
      seen << QString(KindText(Game().sq[0].tag).data()) + " " + Text("LabelScore");
      for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        if (seen.size() == 1)
          QCoreApplication::postEvent(window_->Cell(0), new QMouseEvent(type, {30, 10}, {30, 10}, Qt::LeftButton, Qt::LeftButton, {}));
    });
    Click(window_->Cell(14), Qt::RightButton);  // four trials, each scan yields
    QCOMPARE(seen.mid(0, 2).join(", "), "0up 0, 1up 1");
    Platform().EnableTimer(Timer::WaitAfterInitTimer);
    QTest::qWait(300);
    Platform().EnableTimer(Timer::WaitAfterInitTimer);
    QVERIFY(probe_->RemainingMs(Timer::WaitAfterInitTimer) <= 700 && probe_->RemainingMs(Timer::WaitAfterInitTimer) > 600);
  }

  // "[Clear]" is a button: a click, or Space or Enter on it, asks; a press
  // dragged off it does not. Nothing of the game runs behind the prompt: the
  // scan it held ends the game after the answer, and beats the cleared
  // high score.
  void clearPromptAsksAndHoldsTheGame() {
    Open("100", false);
    Game().record.score = 500;
    auto* clear = window_->findChild<QLabel*>("LabelClr");
    bool asked = false;
    QTimer::singleShot(0, [&] { asked = QApplication::activeModalWidget() && QApplication::activeModalWidget()->close(); });
    QTest::mousePress(clear, Qt::LeftButton);
    QTest::mouseRelease(clear, Qt::LeftButton, {}, {-5, 8});
    QTest::qWait(1);
    QVERIFY(!asked);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) Answer(QMessageBox::No), QTest::keyClick(clear, key);
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

  // Closed while a step yields: the step finishes, no timer runs or starts
  // after it, and the high score it set is saved. A close signal answers
  // an open prompt Cancel.
  void closeInsideAYieldOrThePrompt() {
    Open("10", false);
    Game().record.score = 500;
    probe_->OnYield([&] { window_->close(); });
    Platform().EnableTimer(Timer::WaitAfterClickTimer);
    Platform().EnableTimer(Timer::TimerHideCombo);
    QTRY_VERIFY_WITH_TIMEOUT(probe_->IsShutDown(), 3000);
    Platform().EnableTimer(Timer::TimerClearSq);
    for (int t = 0; t < kTimerCount; ++t) QVERIFY(!probe_->IsEnabled(Timer(t)));
    window_->Unload();
    QCOMPARE(Text("LabelHiScore") + " " + Stored(), "500 500");
    Open("555");
    CloseOnSignals(*window_);
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    Click("Label5");  // returns once the box is gone
    QVERIFY(probe_->IsShutDown() && !window_->isVisible() && Text("LabelHiScore") == "555");
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
