#include "shell/qt/held_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <array>
#include <cstdlib>
#include <memory>
#include <utility>
#include <xcb/xcb.h>

namespace vexalon {
namespace {

// What becomes of one key event.
enum class Verdict { Pass, Repeat, Drop };

// One key as the game has seen it.
struct Key {
  bool down = false;             // its press went through, its release not yet
  unsigned long releasedAt = 0;  // the time stamp of its last release
};

class HeldKeys : public QObject {
 public:
  HeldKeys(xcb_connection_t* x, QObject* parent) : QObject(parent), x_(x) {}

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  Verdict Press(quint32 code, unsigned long time);
  Verdict Release(quint32 code, unsigned long time);
  bool StillDown(quint32 code) const;

  xcb_connection_t* x_;
  std::array<Key, 256> keys_;  // by X key code
  // The key event last judged. Each goes to its window first, and a press
  // goes there twice: as ShortcutOverride, then as KeyPress.
  struct {
    bool press = false;
    quint32 code = 0;
    unsigned long time = 0;
    Verdict verdict = Verdict::Pass;
  } last_;
  QEvent* resent_ = nullptr;  // a key event sent on with a mark of ours
  bool movingToFront_ = false;
};

bool HeldKeys::eventFilter(QObject* receiver, QEvent* event) {
  QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* window = qobject_cast<QWindow*>(receiver);
  auto* key = static_cast<QKeyEvent*>(event);
  quint32 code = key->nativeScanCode();
  if (!window || event == resent_ || code >= keys_.size()) return false;
  if (!event->spontaneous()) {
    // A screen reader's bridge takes key events first and posts copies once
    // the reader has seen them: the game goes first from now on, and judges
    // what the player did, not the copies.
    if (type != QEvent::ShortcutOverride && !movingToFront_) {
      movingToFront_ = true;
      QMetaObject::invokeMethod(this, [this] {
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
        movingToFront_ = false;
      }, Qt::QueuedConnection);
    }
    return false;
  }
  bool press = type != QEvent::KeyRelease;
  if (!press || !last_.press || last_.code != code || last_.time != key->timestamp())
    last_ = {press, code, key->timestamp(), press ? Press(code, key->timestamp()) : Release(code, key->timestamp())};
  if (last_.verdict == Verdict::Pass && type == QEvent::ShortcutOverride) return false;
  if (last_.verdict != Verdict::Drop && type != QEvent::ShortcutOverride) {
    bool repeat = last_.verdict == Verdict::Repeat;
    if (key->isAutoRepeat() == repeat) return false;
    // Qt marked it otherwise: it goes on with the right mark.
    QKeyEvent marked(type, key->key(), key->modifiers(), code, key->nativeVirtualKey(), key->nativeModifiers(),
                     key->text(), repeat, static_cast<quint16>(key->count()), key->device());
    marked.setTimestamp(key->timestamp());
    QEvent* outer = std::exchange(resent_, &marked);
    QCoreApplication::sendEvent(window, &marked);
    resent_ = outer;
  }
  // Not passed on. A ShortcutOverride accepted keeps the shortcuts from
  // acting on a repeat; its KeyPress then comes on its own.
  event->accept();
  return true;
}

// The X server repeats a held key as a release and a press of one instant.
// A game busy for longer than that reads the key's repeats after the player
// let go: the first of them is the release, the others are dropped.
Verdict HeldKeys::Press(quint32 code, unsigned long time) {
  Key& key = keys_[code];
  if (time == key.releasedAt) return key.down ? Verdict::Repeat : Verdict::Drop;
  key.down = true;
  return Verdict::Pass;
}

Verdict HeldKeys::Release(quint32 code, unsigned long time) {
  Key& key = keys_[code];
  key.releasedAt = time;
  if (!key.down || StillDown(code)) return Verdict::Drop;
  key.down = false;
  return Verdict::Pass;
}

// Asks the X server, which knows which keys are down now.
bool HeldKeys::StillDown(quint32 code) const {
  std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
      xcb_query_keymap_reply(x_, xcb_query_keymap(x_), nullptr), &std::free);
  return keymap && (keymap->keys[code / 8] >> (code % 8) & 1);
}

}  // namespace

void InstallHeldKeys(QApplication& app) {
  auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  app.installEventFilter(new HeldKeys(x11->connection(), &app));
}

}  // namespace vexalon
