#include "shell/qt/sound_player.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace vexalon {
namespace {

QByteArray ResourceSound(int id) {
  QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

QByteArray WaveSamples(const QByteArray& image) {
  qsizetype at = 12;  // past "RIFF", the size and "WAVE"
  if (image.size() < at || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE") return {};
  while (at + 8 <= image.size()) {
    QByteArray id = image.mid(at, 4);
    quint32 size = qFromLittleEndian<quint32>(image.constData() + at + 4);
    at += 8;
    if (id == "data") return image.mid(at, qMin<qsizetype>(size, image.size() - at));
    at += size + (size & 1);
  }
  return {};
}

bool SoundPlayer::OpenDevice() {
  if (sink_) return true;
  if (unavailable_) return false;
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  QAudioFormat format;
  format.setSampleRate(11025);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::UInt8);
  if (device.isNull() || !device.isFormatSupported(format)) {
    unavailable_ = true;
    return false;
  }
  sink_ = std::make_unique<QAudioSink>(device, format);
  return true;
}

void SoundPlayer::Play(int n) {
  if (n < 0 || n > 1 || !OpenDevice()) return;
  QByteArray& samples = samples_[static_cast<std::size_t>(n)];
  if (samples.isEmpty()) samples = WaveSamples(ResourceSound(101 + n));
  if (samples.isEmpty()) return;
  sink_->stop();
  buffer_.close();
  buffer_.setData(samples);
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);
}

}  // namespace vexalon
