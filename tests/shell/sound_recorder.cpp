// Stands in for the game's sound module in the window tests: keeps, for
// each sound it is asked to play, how many samples at what rate.
#include <QStringList>

namespace {
QStringList played;
}

extern "C" Q_DECL_EXPORT void vexalon_play_sound(const char*, qint64 size, int rate) {
  played << QString("%1 at %2").arg(size).arg(rate);
}

extern "C" Q_DECL_EXPORT QStringList* vexalon_played_sounds() { return &played; }
