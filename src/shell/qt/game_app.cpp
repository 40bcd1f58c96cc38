#include "shell/qt/game_app.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

#include "shell/qt/game_window.h"
#include "shell/qt/held_keys.h"

namespace vexalon {
namespace {

int signalPipe[2] = {-1, -1};
GameWindow* running = nullptr;

// Until the window plays there is nothing to save, and start-up may be
// stuck (an X server that does not answer): a close signal ends the
// program at once. From then on it closes the window on the event loop.
volatile std::sig_atomic_t playing = 0;

void OnSignal(int) {
  if (!playing) ::_exit(0);
  char byte = 1;
  (void)!::write(signalPipe[0], &byte, 1);
}

// Qt ends the process with exit() when the X server goes away; the high
// score is saved on the way out all the same.
void SaveOnExit() {
  if (running) running->Unload();
}

}  // namespace

void CatchCloseSignals() {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
  // A file size limit makes a write fail rather than end the game.
  std::signal(SIGXFSZ, SIG_IGN);
}

void CloseOnSignals(GameWindow& window) {
  CatchCloseSignals();
  if (signalPipe[1] < 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char bytes[16];
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    window.close();
  });
  playing = 1;
}

int RunGame(QApplication& app, GameWindow& window) {
  InstallHeldKeys(app);
  window.Load();
  CloseOnSignals(window);
  // Registered once the settings have been read, so that the handler runs
  // before the settings machinery it needs is torn down.
  static bool saveOnExit = std::atexit(SaveOnExit) == 0;
  (void)saveOnExit;
  running = &window;
  window.show();
  app.exec();
  window.Unload();
  running = nullptr;
  return 0;
}

}  // namespace vexalon
