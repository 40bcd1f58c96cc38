// A key held down is one press. The X server repeats a held key as a
// release and a press of one instant; Qt marks them as a repeat only when
// it already sees the press waiting behind the release, so a game busy for
// a moment would read a held key as the player letting go and pressing
// again: many steps, many new games, a prompt answered by the key that
// opened it. Installed once, this makes every key event the game's
// widgets, shortcuts and prompts receive tell the truth.
#pragma once

class QApplication;

namespace vexalon {

// Under X: a release while the key is still down is dropped, and the
// presses that follow it while the key stays down come as repeats (arrow
// keys still move the cursor, nothing else acts); repeats read only once
// the key is up end in one release. Elsewhere (Wayland, offscreen) Qt's
// own repeat marks are right, and nothing is installed.
void InstallHeldKeys(QApplication& app);

}  // namespace vexalon
