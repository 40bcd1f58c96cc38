// The real window on Qt's offscreen platform, driven with real Qt events.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include <csignal>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"
#include "support/draws.h"
#include "shell/qt/pictures.h"
#include "shell/qt/sound_player.h"

using namespace vexalon;
using testing::DrawFor;

namespace {

// Deals colours 0 to 4 in turn, so no line of three can form; the first
// board has arrows, everything after it is plain.
std::function<float()> QuietSource(bool arrows) {
  auto count = std::make_shared<int>(0);
  return [count, arrows] {
    static const Kind kArrows[] = {Kind::k0up, Kind::k1up, Kind::k2up, Kind::k3up, Kind::k4down};
    static const Kind kPlain[] = {Kind::k0, Kind::k1, Kind::k2, Kind::k3, Kind::k4};
    int n = (*count)++;
    return DrawFor(arrows && n < kCells ? kArrows[n % 5] : kPlain[n % 5]);
  };
}

void AnswerNextBox(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("Do you really want to clear the hiscore?"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Clear Hiscore"));
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
    box->button(button)->click();
  });
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<GameWindow> window_;

  QString IniFile() const { return dir_.filePath(QStringLiteral("Brantomel.ini")); }
  QLabel* Label(const char* name) { return window_->findChild<QLabel*>(QString::fromLatin1(name)); }
  QString Text(const char* name) { return Label(name)->text(); }
  GameForm& Game() { return window_->Game(); }

  void Open(bool arrows = true, const QString& stored = {}) {
    QFile::remove(IniFile());
    if (!stored.isNull()) QSettings(IniFile(), QSettings::IniFormat).setValue("HiScore", stored);
    window_ = std::make_unique<GameWindow>(SettingsStore(IniFile()));
    window_->Platform().randomSource = QuietSource(arrows);
    window_->Load();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  // Waits until the game has no timer running.
  void Settle() {
    QVERIFY(QTest::qWaitFor(
        [this] {
          for (int t = 0; t < kTimerCount; ++t)
            if (t != int(Timer::TimerHideCombo) && window_->Platform().IsEnabled(Timer(t))) return false;
          return true;
        },
        30000));
  }

  void Press(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}, int y = 20) {
    QTest::mousePress(window_->Cell(index), button, modifiers, QPoint(30, y));
  }
  void Release(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}, int y = 20) {
    QTest::mouseRelease(window_->Cell(index), button, modifiers, QPoint(30, y));
  }
  void Click(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}, int y = 20) {
    Press(index, button, modifiers, y);
    Release(index, button, modifiers, y);
  }

 private slots:
  void init() { QVERIFY(dir_.isValid()); }
  void cleanup() { window_.reset(); }

  void opensWithTheBoardAndPanelInPlace() {
    Open(true, "1230");
    QCOMPARE(window_->windowTitle(), QStringLiteral("Vexalon - by Oskel"));
    QCOMPARE(window_->size(), QSize(557, 417));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window_->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(window_->Cell(0)->geometry(), QRect(32, 24, 60, 60));
    QCOMPARE(window_->Cell(5)->geometry(), QRect(352, 24, 60, 60));
    QCOMPARE(window_->Cell(35)->geometry(), QRect(352, 344, 60, 60));
    struct Expected {
      const char* name;
      const char* text;
      QRect geometry;
    };
    const Expected labels[] = {
        {"Label4", "Vexalon", {408, 16, 161, 25}},   {"Label5", "PROTOTYPE", {436, 40, 105, 25}},
        {"Label2", "Level", {448, 96, 57, 17}},      {"LabelLevel", "1", {448, 120, 57, 17}},
        {"Label3", "Score", {448, 152, 57, 17}},     {"LabelScore", "0", {448, 176, 57, 17}},
        {"Hiscore", "Hiscore", {448, 208, 57, 17}},  {"LabelClr", "[Clear]", {513, 211, 33, 17}},
        {"LabelHiScore", "1230", {448, 232, 57, 17}}, {"LabelRemoves1", "Erasers:", {456, 280, 65, 17}},
        {"LabelRemoves", "0", {512, 280, 9, 17}},    {"Label1", "Difficulty:", {456, 365, 57, 17}},
        {"LevelTxt", "1", {510, 365, 14, 17}},       {"LabelComboT", "Combo x", {448, 256, 65, 17}},
        {"LabelGameOver", "Game Over", {136, 192, 177, 41}},
    };
    for (const Expected& e : labels) {
      QLabel* label = Label(e.name);
      QVERIFY2(label, e.name);
      QCOMPARE(label->text(), QString::fromLatin1(e.text));
      QCOMPARE(label->geometry(), e.geometry);
      QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QVERIFY(!Label("LableGame")->text().isEmpty());
    auto* button = window_->findChild<QPushButton*>("Command1");
    QCOMPARE(button->text(), QStringLiteral("New game"));
    QCOMPARE(button->geometry(), QRect(448, 320, 80, 33));
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    QCOMPARE(bar->geometry(), QRect(448, 387, 80, 17));
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 10);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(bar->pageStep(), 1);
    // Only the board and the panel show; the combo and "Game Over" wait.
    for (const char* hidden : {"LabelComboT", "LabelCombo", "LabelGameOver"}) QVERIFY(!Label(hidden)->isVisible());
    // Everything else shows: the 36 cells, 14 labels, the button and the bar.
    int shown = 0;
    for (QWidget* child : window_->findChildren<QWidget*>()) {
      if (!child->isVisible()) continue;
      QVERIFY2(window_->rect().intersects(child->geometry()), qPrintable(child->objectName()));
      ++shown;
    }
    QCOMPARE(shown, 36 + 14 + 2);
    for (int k = 0; k < kCells; ++k) QCOMPARE(window_->Cell(k)->Shown(), Game().sq[k].picture);
  }

  void usesTheNarrowFontWhereInstalled() {
    Open();
    QFontInfo info(Label("Label4")->font());
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans Narrow"));
    QVERIFY(info.bold());
  }

  void showsStoredTextAsPlainText() {
    Open(true, "<b>9</b>");
    QCOMPARE(Text("LabelHiScore"), QStringLiteral("<b>9</b>"));
  }

  void difficultyWaitsForNewGame() {
    Open();
    auto* bar = window_->findChild<QScrollBar*>("HScrollLevel");
    for (int i = 0; i < 3; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2));
    QCOMPARE(Text("LevelTxt"), QStringLiteral("4"));
    QCOMPARE(Text("LabelLevel"), QStringLiteral("1"));
    QTest::mouseClick(window_->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(Text("LabelLevel"), QStringLiteral("4"));
    QVERIFY(window_->Platform().IsEnabled(Timer::WaitAfterInitTimer));
  }

  void clearingAsksFirst_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("after");
    QTest::newRow("PROTOTYPE, Yes") << "Label5" << int(QMessageBox::Yes) << "0";
    QTest::newRow("[Clear], No") << "LabelClr" << int(QMessageBox::No) << "555";
    QTest::newRow("[Clear], Cancel") << "LabelClr" << int(QMessageBox::Cancel) << "555";
  }
  void clearingAsksFirst() {
    QFETCH(QString, label);
    QFETCH(int, answer);
    QFETCH(QString, after);
    Open(true, "555");
    AnswerNextBox(QMessageBox::StandardButton(answer));
    QTest::mouseClick(Label(qPrintable(label)), Qt::LeftButton);
    QCOMPARE(Text("LabelHiScore"), after);
    QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("HiScore").toString(), QStringLiteral("555"));
    window_->close();
    window_->Unload();
    QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("HiScore").toString(), after);
  }

  void plainClickStepsTheSquare() {
    Open();
    Settle();
    QCOMPARE(Game().sq[0].tag, Kind::k0up);
    Click(0, Qt::LeftButton);
    QCOMPARE(Game().sq[0].tag, Kind::k1up);
    QCOMPARE(window_->Cell(0)->Shown(), Picture::sq1up);
    QCOMPARE(Text("LabelScore"), QStringLiteral("1"));
    QVERIFY(!Game().record.newGame);
    Click(0, Qt::MiddleButton);  // the middle button is plain too
    QCOMPARE(Game().sq[0].tag, Kind::k2up);
    QCOMPARE(Text("LabelScore"), QStringLiteral("2"));
  }

  void alternateClicksTryKindsAndSpendErasers() {
    Open();
    Settle();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
      for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::ShiftModifier),
                                               Qt::KeyboardModifiers(Qt::ControlModifier),
                                               Qt::KeyboardModifiers(Qt::AltModifier)}) {
        if (button == Qt::RightButton && modifiers != Qt::ShiftModifier) continue;
        // Trials on a quiet board find nothing: the square is as it was.
        Click(7, button, modifiers);
        QCOMPARE(Game().sq[7].tag, Kind::k2up);
        QCOMPARE(window_->Cell(7)->Shown(), Picture::sq2up);
        QCOMPARE(Text("LabelScore"), QStringLiteral("0"));
      }
    }
    Game().record.erasers = 1;
    Game().sq[7] = {Kind::k3, Picture::sq3, 0};
    window_->Sync();
    Press(7, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(Game().sq[7].tag, Kind::Removed);
    QCOMPARE(window_->Cell(7)->Shown(), Picture::tri3r);
    QCOMPARE(Text("LabelRemoves"), QStringLiteral("0"));
    Release(7, Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!window_->Platform().IsEnabled(Timer::WaitAfterClickTimer));
    QTRY_COMPARE_WITH_TIMEOUT(window_->Cell(7)->Shown() == Picture::tri3r, false, 2000);
  }

  void inputDuringAYieldIsHandled() {
    Open();
    Settle();
    // A click on another square arrives while an eraser's removal yields.
    Game().record.erasers = 1;
    Game().sq[7] = {Kind::k3, Picture::sq3, 0};
    window_->Sync();
    bool delivered = false;
    window_->Platform().onYield = [&] {
      if (delivered) return;
      delivered = true;
      Click(0, Qt::LeftButton);
    };
    Click(7, Qt::RightButton);
    QVERIFY(delivered);
    QCOMPARE(Game().sq[0].tag, Kind::k1up);
    QCOMPARE(Game().sq[7].tag, Kind::Removed);
    QCOMPARE(Text("LabelScore"), QStringLiteral("1"));
  }

  void closingInsideAYieldSavesAndStops() {
    Open(false, "10");
    Settle();
    // The board is plain: the scan after a click ends the game, after the
    // window was asked to close during the scan's yield.
    Game().record.score = 500;
    int yields = 0;
    window_->Platform().onYield = [&] {
      if (++yields == 1) window_->close();
    };
    window_->Platform().EnableTimer(Timer::WaitAfterClickTimer);
    QTRY_VERIFY_WITH_TIMEOUT(window_->Platform().IsShutDown(), 3000);
    QCOMPARE(Game().record.hiScore, std::string("500"));
    for (int t = 0; t < kTimerCount; ++t) QVERIFY(!window_->Platform().IsEnabled(Timer(t)));
    window_->Unload();
    QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("HiScore").toString(), QStringLiteral("500"));
  }

  void closeSignalCancelsAnOpenPrompt() {
    Open(true, "555");
    CloseOnSignals(*window_);
    QTimer::singleShot(50, [] { ::raise(SIGTERM); });
    QTest::mouseClick(Label("Label5"), Qt::LeftButton);  // returns once the box is gone
    QVERIFY(window_->Platform().IsShutDown());
    QVERIFY(!window_->isVisible());
    QCOMPARE(Text("LabelHiScore"), QStringLiteral("555"));
  }

  void soundsAreEmbeddedWhole() {
    const std::pair<int, qsizetype> sounds[] = {{101, 16704}, {102, 2157}};
    for (auto [id, samples] : sounds) {
      QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QByteArray image = file.readAll();
      QCOMPARE(image.size(), id == 101 ? 16752 : 2204);
      QCOMPARE(WaveSamples(image).size(), samples);
    }
    // Lying sizes never read past the end.
    QCOMPARE(WaveSamples(QByteArray("RIFF\xff\xff\xff\x7fWAVEdata\xff\xff\xff\x7f" "abc", 23)), QByteArray("abc"));
    QVERIFY(WaveSamples(QByteArray("RIFF\0\0\0\0WAVEfmt \xff\xff\xff\xff" "data", 24)).isEmpty());
    QVERIFY(WaveSamples("not a wave").isEmpty());
  }

  void playsAWholeGameToItsEnd() {
    Open(true, "3");
    Settle();
    QCOMPARE(Game().record.newGame, true);
    // Step every arrow square until none is left, in one quick series of
    // clicks; refills bring plain squares only.
    for (int guard = 0; guard < 1000; ++guard) {
      int arrow = -1;
      for (int k = 0; k < kCells && arrow < 0; ++k)
        if (!IsArrowFree(Game().sq[k].tag) && Game().sq[k].tag != Kind::Removed) arrow = k;
      if (arrow < 0) break;
      Click(arrow, Qt::LeftButton);
    }
    // Up arrows step to 4, down arrows to 0: 8 x 4 + 7 x (3 + 2 + 1 + 4).
    QCOMPARE(Text("LabelScore"), QStringLiteral("102"));
    Settle();
    QTRY_VERIFY_WITH_TIMEOUT(Label("LabelGameOver")->isVisible(), 5000);
    QVERIFY(Game().record.score > 3);
    QCOMPARE(Text("LabelHiScore"), Text("LabelScore"));
    window_->close();
    window_->Unload();
    QCOMPARE(QSettings(IniFile(), QSettings::IniFormat).value("HiScore").toString(), Text("LabelScore"));
  }

  void enablingARunningTimerKeepsItsCount() {
    Open();
    QtPlatform& platform = window_->Platform();
    platform.DisableTimer(Timer::WaitAfterInitTimer);
    platform.EnableTimer(Timer::WaitAfterClickTimer);
    QTest::qWait(300);
    platform.EnableTimer(Timer::WaitAfterClickTimer);
    QVERIFY(platform.RemainingMs(Timer::WaitAfterClickTimer) <= 700);
    platform.DisableTimer(Timer::WaitAfterClickTimer);
    platform.EnableTimer(Timer::WaitAfterClickTimer);
    QVERIFY(platform.RemainingMs(Timer::WaitAfterClickTimer) > 900);
  }

  void picturesStayCrispAtDoubleDensity() {
    const QPixmap& pixmap = PicturePixmap(Picture::sq2updown, 2.0);
    QCOMPARE(pixmap.size(), QSize(120, 120));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QImage image = pixmap.toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(60, 60), QColor(Qt::black));  // the hollow centre
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("PULSE_SERVER", "unix:/nonexistent/vexalon-test");  // tests stay silent
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // never the player's own file
  QApplication app(argc, argv);
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
