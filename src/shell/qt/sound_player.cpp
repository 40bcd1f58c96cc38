#include "shell/qt/sound_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QtEndian>

namespace vexalon {
namespace {

QByteArray ResourceSound(int id) {
  QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

Wave ReadWave(const QByteArray& image) {
  Wave wave;
  qsizetype at = 12;  // past "RIFF", the size and "WAVE"
  if (image.size() < at || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE") return {};
  while (at + 8 <= image.size()) {
    QByteArray id = image.mid(at, 4);
    quint32 size = qFromLittleEndian<quint32>(image.constData() + at + 4);
    at += 8;
    if (id == "fmt " && at + 8 <= image.size()) wave.rate = qFromLittleEndian<qint32>(image.constData() + at + 4);
    if (id == "data") {
      wave.samples = image.mid(at, qMin<qsizetype>(size, image.size() - at));
      return wave;
    }
    at += size + (size & 1);
  }
  return {};
}

// Qt Multimedia is loaded with the sound module at the first sound, well
// after the window shows; next to the program in a build, in the library
// folder once installed.
SoundPlayer::PlayFunction SoundPlayer::LoadOutput() {
  if (play_ || unavailable_) return play_;
  QString here = QCoreApplication::applicationDirPath();
  for (const QString& folder : {here, here + QStringLiteral("/" VEXALON_SOUND_MODULE_DIR)}) {
    QLibrary module(folder + QStringLiteral("/vexalon-sound"));
    play_ = reinterpret_cast<PlayFunction>(module.resolve("vexalon_play_sound"));
    if (play_) return play_;
  }
  unavailable_ = true;
  return nullptr;
}

void SoundPlayer::Play(int n) {
  if (n < 0 || n > 1) return;
  Wave& wave = waves_[static_cast<std::size_t>(n)];
  if (wave.samples.isEmpty()) wave = ReadWave(ResourceSound(101 + n));
  if (wave.samples.isEmpty() || wave.rate <= 0 || !LoadOutput()) return;
  play_(wave.samples.constData(), wave.samples.size(), wave.rate);
}

}  // namespace vexalon
