#include "shell/qt/qt_platform.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "shell/narration.h"

namespace vexalon {

QtPlatform::QtPlatform(QWidget& window, Hooks hooks, SettingsStore settings)
    : window_(window), hooks_(std::move(hooks)), settings_(std::move(settings)) {
  // What the game says, in the language of the catalog loaded.
  SpeakIn([](const char* english, int n) {
    QString said = QCoreApplication::translate("vexalon::Narration", english, nullptr, n);
    QString source = QString::fromUtf8(english);
    if (n >= 0) source.replace(QStringLiteral("%n"), QString::number(n));
    return said == source ? std::string() : said.toStdString();
  });
  for (int i = 0; i < kTimerCount; ++i) {
    Timer timer = static_cast<Timer>(i);
    QTimer& qtimer = timers_[static_cast<std::size_t>(i)];
    qtimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer, &QTimer::timeout, [this, timer] { hooks_.tick(timer); });
  }
}

void QtPlatform::EnableTimer(Timer timer) {
  QTimer& qtimer = timers_[static_cast<std::size_t>(timer)];
  if (!shutDown_ && !qtimer.isActive()) qtimer.start(IntervalMs(timer));
}

void QtPlatform::DisableTimer(Timer timer) { timers_[static_cast<std::size_t>(timer)].stop(); }

void QtPlatform::Yield() {
  hooks_.beforeYield();
  if (!shutDown_) QCoreApplication::processEvents();
}

void QtPlatform::PlaySound(int n) {
  if (!shutDown_ && soundOn_) sound_.Play(n);
}

void QtPlatform::SeedRandomFromClock() { random_.SeedFromClock(); }

float QtPlatform::Random() { return random_.Next(); }

std::string QtPlatform::ReadHiScore() {
  std::string text = settings_.ReadHiScore().toStdString();
  soundOn_ = soundAsLoaded_ = settings_.SoundOn();
  return text;
}

void QtPlatform::WriteHiScore(const std::string& text, HiScoreChange change) {
  // The window has closed: there is nobody to tell but the terminal.
  std::optional<bool> sound;
  if (soundOn_ != soundAsLoaded_) sound = soundOn_;
  if (!settings_.WriteHiScore(QString::fromStdString(text), change, sound))
    qWarning("vexalon: the high score was not saved; the settings file is left as it was");
}

// The prompt's words, for the catalogs.
[[maybe_unused]] constexpr const char* kPromptWords[] = {
    QT_TRANSLATE_NOOP("vexalon::QtPlatform", "Do you really want to clear the hiscore?"),
    QT_TRANSLATE_NOOP("vexalon::QtPlatform", "Clear Hiscore")};

Answer QtPlatform::Confirm(std::string_view text, std::string_view title) {
  if (shutDown_) return Answer::Cancel;
  // The game asks in English; the catalog has its words.
  auto words = [](std::string_view english) {
    return QCoreApplication::translate("vexalon::QtPlatform", std::string(english).c_str());
  };
  QMessageBox box(QMessageBox::NoIcon, words(title), words(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  int answer = HoldStill(box, [&box] { return box.exec(); });
  if (shutDown_) return Answer::Cancel;
  if (answer == QMessageBox::Yes) return Answer::Yes;
  if (answer == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

// The game holds still while a box, the menu or the help is open: no tick
// runs, and each timer goes on afterwards with the time it had left.
int QtPlatform::HoldStill(QWidget& modal, const std::function<int()>& run) {
  if (shutDown_) return 0;
  std::array<int, kTimerCount> left{};
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    left[i] = timers_[i].isActive() ? std::max(0, timers_[i].remainingTime()) : -1;
    timers_[i].stop();
  }
  QPointer<QWidget> outer = openModal_;
  openModal_ = &modal;
  int result = run();
  openModal_ = outer;
  for (std::size_t i = 0; i < timers_.size(); ++i)
    if (left[i] >= 0 && !shutDown_) timers_[i].start(left[i]);
  return result;
}

void QtPlatform::Shutdown() {
  shutDown_ = true;
  for (QTimer& timer : timers_) timer.stop();
  if (openModal_) openModal_->close();
}

}  // namespace vexalon
