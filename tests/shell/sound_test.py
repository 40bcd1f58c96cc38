#!/usr/bin/env python3
# The game's sound module heard by a real sound server: a private PulseAudio
# whose only sink, at the sounds' own format, plays to nowhere and is
# recorded. Each sound must come out whole, sample for sample, at its own
# rate; with no sound server the module stays silent and the program goes on.
#   sound_test.py PLAY_SOUNDS SOUNDS_FOLDER
import os
import subprocess
import sys
import tempfile
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from session import SoundServer, stop, until  # noqa: E402

PLAY, FOLDER = sys.argv[1:3]
sounds = []
for name in ("reaction", "eraser"):
    with wave.open(os.path.join(FOLDER, name + ".wav")) as w:
        assert (w.getsampwidth(), w.getnchannels()) == (1, 1), name
        sounds.append((name, w.getframerate(), w.readframes(w.getnframes())))
rate = sounds[0][1]
assert all(r == rate for _, r, _ in sounds), "the sink is made for one rate"

with tempfile.TemporaryDirectory() as folder:
    server = SoundServer(folder, "rate=%d format=u8 channels=1" % rate)
    recording = os.path.join(folder, "sink.raw")
    parec = server.record(recording, rate)
    player = subprocess.Popen([PLAY], env=server.env, stdin=subprocess.PIPE)
    try:
        heard = lambda: open(recording, "rb").read()
        at = 0
        for n, (name, _, samples) in enumerate(sounds):
            player.stdin.write(b"%d\n" % n)
            player.stdin.flush()
            # Whole and in order; a stream at another rate is resampled by
            # the server and never matches.
            at = until(lambda: (heard().find(samples, at) + 1) or None, "the %s sound whole in the recording" % name,
                       alive=[player, parec, server.proc]) - 1 + len(samples)
            # The stream is closed once the sound has been heard.
            until(lambda: "Sink Input #" not in server.pactl("list", "sink-inputs"), "the %s sound's stream closed" % name,
                  alive=[player])
        player.stdin.close()
        assert player.wait(30) == 0, "exit %s" % player.returncode
    finally:
        stop(player)
        stop(parec)
        server.stop()

# No sound server at all: nothing plays, nothing blocks, the program goes on.
silent = subprocess.run([PLAY], input=b"0\n1\n0\n", env=dict(os.environ, PULSE_SERVER="unix:/nonexistent"),
                        capture_output=True, timeout=30)
assert silent.returncode == 0, silent.stderr
print("both sounds heard whole at %d Hz; silent without a sound server" % rate)
