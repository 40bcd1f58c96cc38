// Plays the game's sounds through its real sound module, one for each line
// ("0" the reaction, "1" the eraser) read from standard input, until the
// input ends. Built beside the module, where the game finds it.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <unistd.h>

#include "shell/qt/sound_player.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  vexalon::SoundPlayer player;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char line[16];
    ssize_t n = ::read(STDIN_FILENO, line, sizeof line);
    if (n <= 0) return QCoreApplication::quit();
    for (ssize_t i = 0; i < n; ++i)
      if (line[i] == '0' || line[i] == '1') player.Play(line[i] - '0');
  });
  return app.exec();
}
