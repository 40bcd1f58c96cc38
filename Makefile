# Vexalon: `make run` to play, `make test` to run every test. Both install
# the Debian packages they need first.

# What building and playing needs.
RUN_PACKAGES := g++ make cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins \
  libqt6multimedia6 fonts-liberation
# What the tests need on top: GoogleTest, clang's libFuzzer, and an X
# server that python3-xlib drives the real window on.
TEST_PACKAGES := libgtest-dev libbenchmark-dev clang libclang-rt-14-dev python3 python3-xlib xvfb

FUZZ_SECONDS ?= 600

.PHONY: run test sanitize fuzz bench build deps test-deps clean

run: deps build
	./build/release/vexalon

test: test-deps build
	ctest --preset release

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: test-deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# A long libFuzzer run over event scripts; the corpus grows in build/fuzz/corpus.
fuzz: test-deps
	cmake --preset fuzz
	cmake --build --preset fuzz --target vexalon_fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/vexalon_fuzz build/fuzz/corpus -max_len=1201 -max_total_time=$(FUZZ_SECONDS)

# The game's steps timed with Google Benchmark (medians of 5 repetitions).
bench: test-deps build
	build/release/bench/core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

build:
	cmake --preset release
	cmake --build --preset release

deps:
	@scripts/install-deps $(RUN_PACKAGES)

test-deps:
	@scripts/install-deps $(RUN_PACKAGES) $(TEST_PACKAGES)

clean:
	rm -rf build
