# Vexalon: `make run` to play, `make test` to run every test. Both install
# the Debian packages they need first.

# What building and playing needs; Qt's Linguist tools build the game's
# catalogs, and Qt's own catalogs translate the prompt's buttons.
RUN_PACKAGES := g++ make cmake ninja-build qt6-base-dev qt6-multimedia-dev libqt6multimedia6 \
  libxcb1-dev fonts-liberation qt6-l10n-tools qt6-translations-l10n
# What the tests need on top: GoogleTest, an X server that python3-xlib
# sends the real window's close request and key presses through, the font
# the window's reference pictures show on the New game button, the
# accessibility bus with the client library screen readers use, the screen
# reader Orca with a window manager that gives the window the keyboard, and
# a sound server of their own that the sound module plays to.
TEST_PACKAGES := libgtest-dev python3 python3-xlib xvfb fonts-dejavu-core python3-pyatspi at-spi2-core dbus-x11 \
  orca openbox pulseaudio pulseaudio-utils

FUZZ_SECONDS ?= 600

PREFIX ?= /usr/local

.PHONY: run test sanitize pictures fuzz bench measure measure-speech install package screenshot translations build deps test-deps clean

run: deps build
	./build/release/vexalon

test: test-deps build
	ctest --preset release

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: test-deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Remakes the window's reference pictures in tests/shell/pictures after an
# intended change of its looks. Look at what changed before committing them.
pictures: test-deps build
	VEXALON_REMAKE_PICTURES=1 ctest --preset release -R '^window_(test|looks_ratio2)$$'

# A long libFuzzer run over event scripts; the corpus grows in build/fuzz/corpus.
fuzz: test-deps
	@scripts/install-deps clang libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build --preset fuzz --target vexalon_fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/vexalon_fuzz build/fuzz/corpus -max_len=1201 -max_total_time=$(FUZZ_SECONDS)

# The game's steps timed with Google Benchmark (medians of 5 repetitions).
bench: test-deps
	@scripts/install-deps libbenchmark-dev
	cmake --preset release
	cmake --build --preset release --target core_bench
	build/release/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# Start-up, peak memory and idle wakeups of the real window against a bare
# Qt window, on a private X server with a private sound server (~20 min);
# then how soon what the game says reaches the accessibility bus.
measure: test-deps build
	cmake --build --preset release --target measure_window
	cmake --build --preset release --target measure_speech

# Only the second: 40 steps, each answer's and each scan's sentence timed (~1 min).
measure-speech: test-deps build
	cmake --build --preset release --target measure_speech

# The program, its desktop entry, icons, metainfo and manual page under PREFIX.
install: deps build
	DESTDIR="$(DESTDIR)" cmake --install build/release --prefix $(PREFIX)

# A Debian package in build/release, checked with its validators:
#   sudo apt-get install ./build/release/vexalon_*.deb
package: deps build
	@scripts/install-deps dpkg-dev file desktop-file-utils appstream weston qt6-wayland
	cd build/release && cpack -G DEB
	scripts/check-package build/release/vexalon_*.deb

# Retakes data/screenshot.png on a private X server.
screenshot: build
	@scripts/install-deps xvfb xdotool imagemagick
	scripts/screenshot build/release/vexalon

# Takes every text of the sources into translations/*.ts after a text
# changed: new ones unfinished, for a translator to write.
translations: deps
	cmake --preset release
	cmake --build --preset release --target translations

build:
	cmake --preset release
	cmake --build --preset release

deps:
	@scripts/install-deps $(RUN_PACKAGES)

test-deps:
	@scripts/install-deps $(RUN_PACKAGES) $(TEST_PACKAGES)

clean:
	rm -rf build
