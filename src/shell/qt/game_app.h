// A run of the game: open the window, play until it closes, save the high
// score. SIGTERM, SIGINT and SIGHUP close the window like the close button;
// before the window plays they end the program at once.
#pragma once

class QApplication;

namespace vexalon {

class GameWindow;

int RunGame(QApplication& app, GameWindow& window);

// Catches the close signals from the very start.
void CatchCloseSignals();

// From now on the close signals close the window on the event loop.
void CloseOnSignals(GameWindow& window);

}  // namespace vexalon
