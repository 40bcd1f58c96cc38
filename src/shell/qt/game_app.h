// A run of the game: open the window, play until it closes, save the high
// score. SIGTERM, SIGINT and SIGHUP close the window like the close button.
#pragma once

class QApplication;

namespace vexalon {

class GameWindow;

int RunGame(QApplication& app, GameWindow& window);

// Catches the close signals from the very start; a signal that comes early
// waits until the window can close.
void CatchCloseSignals();

// Turns the close signals into a close of the window on the event loop.
void CloseOnSignals(GameWindow& window);

}  // namespace vexalon
