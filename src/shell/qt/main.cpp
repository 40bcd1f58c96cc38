#include <QApplication>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vexalon"));
  vexalon::GameWindow window;
  vexalon::CloseOnSignals(window);
  return vexalon::RunGame(app, window);
}
