// Plays the game's two sounds from memory, in the background. A new sound
// cuts the one still playing. Without a sound server the game is silent.
#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <array>
#include <memory>

namespace vexalon {

class SoundPlayer : public QObject {
 public:
  // 0: the reaction sound (resource 101), 1: the eraser sound (102).
  void Play(int n);

 private:
  bool OpenDevice();

  std::array<QByteArray, 2> samples_;  // kept for the life of the program
  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;
  bool unavailable_ = false;
};

// The PCM samples of a RIFF WAVE image: the bytes of its "data" chunk.
QByteArray WaveSamples(const QByteArray& image);

}  // namespace vexalon
