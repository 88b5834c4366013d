# Thin wrapper over CMake. Every target but `clean` first installs any missing Debian packages
# (scripts/install-deps: what building and running need, and the tools of the target's own group)
# and configures the build folder: with the tests for `make test`, with the benchmark for
# `make bench`, and with the program alone for the others.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run deb bench clean

all: build

# Set per target below; prerequisites see the value of the target that asked for them.
DEPS_GROUPS ?=
test: DEPS_GROUPS = test
deb: DEPS_GROUPS = deb
bench: DEPS_GROUPS = bench
# Given every time, so that one build folder switches cleanly between the three.
CONFIGURATION = -DBUILD_TESTING=OFF -DVELKARO_BENCH=OFF
test: CONFIGURATION = -DBUILD_TESTING=ON -DVELKARO_BENCH=OFF
bench: CONFIGURATION = -DBUILD_TESTING=OFF -DVELKARO_BENCH=ON

deps:
	@scripts/install-deps $(DEPS_GROUPS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURATION)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The display is looked for first, not after minutes of installing and building.
run:
	@if [ -z "$$DISPLAY" ]; then \
		echo "make run: no X11 display (DISPLAY is not set); start it from an X11 session" >&2; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@$(BUILD_DIR)/velkaro

deb: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target velkaro_bench velkaro_history_bench
	@$(BUILD_DIR)/bench/velkaro_history_bench
	@$(BUILD_DIR)/bench/velkaro_bench

clean:
	@rm -rf $(BUILD_DIR)
