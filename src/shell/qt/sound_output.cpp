// The part of the sound player that needs Qt Multimedia, built as a module
// of its own: the game loads it at its first sound, so that starting the
// game costs no more than any small Qt window.
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace {

class SoundOutput : public QObject {
 public:
  explicit SoundOutput(QObject* parent) : QObject(parent) {
    done_.setSingleShot(true);
    connect(&done_, &QTimer::timeout, this, [this] {
      if (sink_) sink_->stop();
    });
  }

  void Play(const char* samples, qint64 size, int rate) {
    if (!OpenDevice(rate)) return;
    sink_->stop();
    buffer_.close();
    buffer_.setData(QByteArray::fromRawData(samples, static_cast<qsizetype>(size)));
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
    // Once the last sample has been heard the stream is closed, or the
    // sound server would keep waking the game while it waits for the player.
    done_.start(static_cast<int>(size * 1000 / rate) + 250);
  }

 private:
  // Both sounds are 8-bit mono; a sound at another rate than the open
  // stream's reopens it.
  bool OpenDevice(int rate) {
    if (sink_ && sink_->format().sampleRate() == rate) return true;
    if (unavailable_) return false;
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    if (device.isNull() || !device.isFormatSupported(format)) {
      unavailable_ = true;  // no sound server: the game stays silent
      return false;
    }
    sink_ = std::make_unique<QAudioSink>(device, format);
    return true;
  }

  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;
  QTimer done_;
  bool unavailable_ = false;
};

}  // namespace

// Plays unsigned 8-bit mono samples that stay alive for the life of the
// program, cutting any sound still playing.
extern "C" Q_DECL_EXPORT void vexalon_play_sound(const char* samples, qint64 size, int rate) {
  static QPointer<SoundOutput> output;
  if (!output) {
    if (!QCoreApplication::instance()) return;
    output = new SoundOutput(QCoreApplication::instance());  // goes with the application
  }
  output->Play(samples, size, rate);
}
