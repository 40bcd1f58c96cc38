// Plays the game's two sounds from memory, in the background. A new sound
// cuts the one still playing. Without a sound server, or without the sound
// module, the game is silent.
#pragma once

#include <QByteArray>
#include <array>

namespace vexalon {

class SoundPlayer {
 public:
  // 0: the reaction sound (resource 101), 1: the eraser sound (102).
  void Play(int n);

 private:
  using PlayFunction = void (*)(const char* samples, qint64 size);
  PlayFunction LoadOutput();

  std::array<QByteArray, 2> samples_;  // kept for the life of the program
  PlayFunction play_ = nullptr;
  bool unavailable_ = false;
};

// The PCM samples of a RIFF WAVE image: the bytes of its "data" chunk.
QByteArray WaveSamples(const QByteArray& image);

}  // namespace vexalon
