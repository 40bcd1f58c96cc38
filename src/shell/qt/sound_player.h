// Plays the game's two sounds from memory, in the background. A new sound
// cuts the one still playing. Without a sound server, or without the sound
// module, the game is silent.
#pragma once

#include <QByteArray>
#include <array>

namespace vexalon {

// The PCM samples of a RIFF WAVE image (the bytes of its "data" chunk) and
// their rate; no samples when the image is not a wave.
struct Wave {
  QByteArray samples;
  int rate = 0;
};
Wave ReadWave(const QByteArray& image);

class SoundPlayer {
 public:
  // 0: the reaction sound (resource 101), 1: the eraser sound (102).
  void Play(int n);

 private:
  using PlayFunction = void (*)(const char* samples, qint64 size, int rate);
  PlayFunction LoadOutput();

  std::array<Wave, 2> waves_;  // kept for the life of the program
  PlayFunction play_ = nullptr;
  bool unavailable_ = false;
};

}  // namespace vexalon
