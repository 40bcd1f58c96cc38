#include <QApplication>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"

int main(int argc, char* argv[]) {
  vexalon::CatchCloseSignals();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexalon"));
  QApplication::setApplicationVersion(QStringLiteral(VEXALON_VERSION));
  // The desktop entry's id, so docks and window lists show the game's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vexalon.Vexalon"));
  vexalon::GameWindow window;
  return vexalon::RunGame(app, window);
}
