// A bare Qt Widgets window of the game window's shape, as the yardstick
// for measure.py: what any Qt program this size costs to start, to hold in
// memory and to keep idle. Built twice: baseline_window (Widgets only) and
// baseline_window_audio (Qt Multimedia linked, its audio objects created at
// start but no sound played). `baseline_window_audio --linked-only` skips
// the audio objects, as the game does until its first sound.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <memory>

#ifdef BASELINE_AUDIO
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#endif

namespace {

constexpr int kSide = 6;
constexpr int kCellSize = 60;
constexpr int kCellPitch = 64;

const std::array<QPixmap, 5>& Pixmaps() {
  static const std::array<QPixmap, 5> pixmaps = [] {
    const std::array<QColor, 5> colours{QColor(156, 0, 156), QColor(0, 82, 0), QColor(255, 82, 0),
                                        QColor(156, 0, 0), QColor(33, 8, 123)};
    std::array<QPixmap, 5> made;
    for (std::size_t i = 0; i < made.size(); ++i) {
      made[i] = QPixmap(kCellSize, kCellSize);
      made[i].fill(Qt::black);
      QPainter painter(&made[i]);
      painter.setPen(QPen(colours[i], 4));
      painter.drawRect(12, 12, 36, 36);
    }
    return made;
  }();
  return pixmaps;
}

class Cell : public QWidget {
 public:
  Cell(int index, QWidget* parent) : QWidget(parent), index_(index) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, Pixmaps()[static_cast<std::size_t>(index_ % 5)]);
  }

 private:
  int index_;
};

class Window : public QWidget {
 public:
  Window() {
    setWindowTitle(QStringLiteral("Baseline window"));
    setFixedSize(557, 417);
    for (int k = 0; k < kSide * kSide; ++k) {
      auto* cell = new Cell(k, this);
      cell->setGeometry(32 + kCellPitch * (k % kSide), 24 + kCellPitch * (k / kSide), kCellSize, kCellSize);
    }
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    // The panel's labels in the sizes and families a window of this shape
    // shows at start: each size and weight is a font of its own to load.
    const QStringList narrow{QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")};
    const QStringList sans{QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    struct Text {
      const QStringList& families;
      int pixels;
      bool bold;
    };
    const std::array<Text, 14> texts{{{narrow, 17, true}, {narrow, 17, true}, {narrow, 15, false},
                                      {narrow, 16, false}, {sans, 16, false}, {narrow, 16, false},
                                      {sans, 16, false}, {narrow, 16, false}, {narrow, 11, false},
                                      {sans, 16, false}, {narrow, 16, false}, {narrow, 16, false},
                                      {narrow, 16, false}, {narrow, 16, false}}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto* label = new QLabel(QStringLiteral("Label %1").arg(i), this);
      label->setGeometry(440 + 56 * (int(i) % 2), 16 + 40 * (int(i) / 2), 56, 17);
      label->setAutoFillBackground(true);
      label->setPalette(palette);
      QFont font;
      font.setFamilies(texts[i].families);
      font.setPixelSize(texts[i].pixels);
      font.setBold(texts[i].bold);
      label->setFont(font);
    }
    auto* button = new QPushButton(QStringLiteral("Button"), this);
    button->setGeometry(448, 320, 80, 33);
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setGeometry(448, 387, 80, 17);
    bar->setRange(1, 10);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#ifdef BASELINE_AUDIO
  std::unique_ptr<QAudioSink> sink;
  if (!QApplication::arguments().contains(QStringLiteral("--linked-only"))) {
    QAudioFormat format;
    format.setSampleRate(11025);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
  }
#endif
  Window window;
  window.show();
  return app.exec();
}
