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
  QByteArray& samples = samples_[static_cast<std::size_t>(n)];
  if (samples.isEmpty()) samples = WaveSamples(ResourceSound(101 + n));
  if (samples.isEmpty() || !LoadOutput()) return;
  play_(samples.constData(), samples.size());
}

}  // namespace vexalon
