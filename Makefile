# Vexalon: `make run` to play, `make test` to run every test. Both install
# the Debian packages they need first.

# What building and playing needs.
RUN_PACKAGES := g++ make cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins \
  libqt6multimedia6 fonts-liberation
# What the tests need on top.
TEST_PACKAGES := libgtest-dev

.PHONY: run test sanitize build deps test-deps clean

run: deps build
	./build/release/vexalon

test: test-deps build
	ctest --preset release

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: test-deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

build:
	cmake --preset release
	cmake --build --preset release

deps:
	@scripts/install-deps $(RUN_PACKAGES)

test-deps:
	@scripts/install-deps $(RUN_PACKAGES) $(TEST_PACKAGES)

clean:
	rm -rf build
