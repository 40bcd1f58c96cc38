// The window closed by the window system inside every kind of yield: the
// step goes on, the event loop ends, the high score is written once.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"
#include "support/draws.h"

using namespace vexalon;
using testing::DrawFor;

namespace {

// Colours 0, 1, 2 in turn along each row, shifted a column per row: no line
// anywhere, until the test changes a square.
Kind Quiet(int k) {
  static const Kind kArrows[] = {Kind::k0up, Kind::k1up, Kind::k2up};
  return kArrows[(k % 6 + k / 6) % 3];
}

}  // namespace

class CloseTest : public QObject {
  Q_OBJECT

  // Runs the game with `scenario` started from the event loop, closes the
  // window at the `closeAt`th yield, and reports how many yields there were.
  int Play(const std::function<void(GameWindow&)>& scenario, int closeAt, std::string* saved = nullptr,
           std::string* record = nullptr) {
    QTemporaryDir dir;
    QString ini = dir.filePath("Brantomel.ini");
    QSettings(ini, QSettings::IniFormat).setValue("HiScore", "7");
    GameWindow window{SettingsStore(ini)};
    auto draws = std::make_shared<int>(0);
    window.Platform().randomSource = [draws] { return DrawFor(Quiet((*draws)++ % kCells)); };
    int yields = 0;
    window.Platform().onYield = [&] {
      if (++yields == closeAt) window.windowHandle()->close();
    };
    QTimer::singleShot(0, &window, [&] {
      window.Platform().DisableTimer(Timer::WaitAfterInitTimer);  // the deal is quiet anyway
      window.Game().record.newGame = false;
      scenario(window);
    });
    QTimer::singleShot(2500, &window, [&] { window.close(); });  // the chains are over by then
    int status = RunGame(*qApp, window);
    if (status != 0) return -1;
    if (!window.Platform().IsShutDown()) return -2;
    for (int t = 0; t < kTimerCount; ++t)
      if (window.Platform().IsEnabled(Timer(t))) return -3;
    QString written = QSettings(ini, QSettings::IniFormat).value("HiScore").toString();
    if (written.toStdString() != window.Game().record.hiScore) return -4;
    if (saved) *saved = written.toStdString();
    if (record) *record = BoardTextOf(window.Game());
    return yields;
  }

  static std::string BoardTextOf(const GameForm& game) {
    std::string text;
    for (const Cell& cell : game.sq) text += std::string(KindText(cell.tag)) + (cell.marked ? "* " : " ");
    return text;
  }

  // Row 0 reacts when the next scan of a cascade runs.
  static void StartChain(GameWindow& window) {
    for (int k = 0; k < 3; ++k) window.Game().sq[k] = {Kind::k4, Picture::sq4, 0};
    window.Platform().EnableTimer(Timer::WaitAfterReactionsTimer);
  }

  // A right press on cell 14 ("2up"): "3up" reacts with the 3s beside it.
  static void StartTrial(GameWindow& window) {
    GameForm& game = window.Game();
    game.sq[14] = {Kind::k2up, Picture::sq2up, 0};
    game.sq[15] = game.sq[16] = {Kind::k3, Picture::sq3, 0};
    QTest::mouseClick(window.Cell(14), Qt::RightButton);
  }

  static void SpendEraser(GameWindow& window) {
    window.Game().record.erasers = 1;
    window.Game().sq[20] = {Kind::k2, Picture::sq2, 0};
    QTest::mouseClick(window.Cell(20), Qt::LeftButton);
  }

 private slots:
  void closesInsideEveryYield_data() {
    QTest::addColumn<int>("scenario");
    QTest::newRow("cascade") << 0;
    QTest::newRow("trial") << 1;
    QTest::newRow("eraser") << 2;
  }
  void closesInsideEveryYield() {
    QFETCH(int, scenario);
    const std::function<void(GameWindow&)> scenarios[] = {StartChain, StartTrial, SpendEraser};
    // First, how many yields the scenario makes when nobody closes.
    int total = Play(scenarios[scenario], 0);
    QVERIFY2(total >= 1, qPrintable(QString::number(total)));
    qInfo("closing inside each of its %d yields", total);
    for (int closeAt = 1; closeAt <= total; ++closeAt) {
      std::string board;
      int yields = Play(scenarios[scenario], closeAt, nullptr, &board);
      QVERIFY2(yields >= closeAt, qPrintable(QStringLiteral("closed at yield %1: %2").arg(closeAt).arg(yields)));
      // The eraser's removal finished its work after the close.
      if (scenario == 2 && closeAt == 1) QVERIFY(board.find("Removed") != std::string::npos);
    }
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("PULSE_SERVER", "unix:/nonexistent/vexalon-test");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  CloseTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "close_test.moc"
