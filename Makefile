# Two commands set everything up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the game
#   make test   install what is missing, build, run every test
#   make deps   install the Debian packages that are missing (also done on
#               the first configure of a build folder, or when a tool is missing)
#   make lint   clang-tidy, and clang-format's check once there is a .clang-format
# The build folders are CMake's presets (CMakePresets.json): build/ (default),
# build-asan/ (asan), build-fuzz/ (fuzz). WERROR=ON (as CI runs it) makes
# every warning an error in the game's and the tests' builds.
.PHONY: all deps tools build run test test-fast test-asan bench fuzz fuzz-smoke lint package lint-package screenshots clean

PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev googletest \
            libbenchmark-dev libpng-dev nlohmann-json3-dev qt6-base-dev libgl-dev fonts-dejavu-core \
            xvfb xauth clang clang-tidy clang-format libclang-rt-14-dev libfontconfig-dev \
            desktop-file-utils appstream openbox xdotool dpkg-dev fakeroot
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 30
BENCH_JSON ?=
WERROR ?=
CONFIG_ARGS := $(if $(WERROR),-DVEXEL_WERROR=$(WERROR))
# Configures a preset's folder when it is new, after the package check; with
# WERROR given, an existing folder takes it too.
configure = $(if $(WERROR),[ ! -f $(2)/build.ninja ] || cmake --preset $(1) $(CONFIG_ARGS) >/dev/null)

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

# The tools a build cannot start without; the package check runs only when
# one is missing (the libraries are checked when a folder is configured).
tools:
	@for t in cmake ninja g++ pkg-config; do \
	  command -v $$t >/dev/null || { $(MAKE) --no-print-directory deps; break; }; \
	done

$(BUILD)/build.ninja: | tools
	$(MAKE) --no-print-directory deps
	cmake --preset default $(CONFIG_ARGS)

build: tools $(BUILD)/build.ninja
	@$(call configure,default,$(BUILD))
	cmake --build --preset default -j $(JOBS)

run: build
	@tools/run-game $(BUILD)

# The whole suite: the normal build, the same tests under the sanitizers,
# and a short run of each fuzz target; then the lint. A quick run of the
# core's unit tests alone: ctest --preset unit (or cd build && ctest -L unit).
test: test-fast test-asan fuzz-smoke lint

test-fast: build
	ctest --preset default -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | tools
	$(MAKE) --no-print-directory deps
	cmake --preset asan $(CONFIG_ARGS)

test-asan: tools $(ASAN_BUILD)/build.ninja
	@$(call configure,asan,$(ASAN_BUILD))
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	$(BUILD)/bench/vexel_bench $(if $(BENCH_JSON),--benchmark_out=$(BENCH_JSON) --benchmark_out_format=json)
	bench/script_startup.sh $(BUILD)
	bench/window_startup.sh $(BUILD) 21

# The Debian package, and the checks a Debian maintainer makes of it
# (lintian is installed here when missing: only this check needs it).
package: build
	cd $(BUILD) && cpack -G DEB

lint-package: package
	@dpkg-query -W -f='$${Status}\n' lintian 2>/dev/null | grep -q 'install ok installed' || \
	  { $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq lintian; }
	lintian --fail-on error,warning --info --pedantic $(BUILD)/vexelcube_*.deb
	appstreamcli validate --no-net docs/org.vexelcube.vexelcube.metainfo.xml
	desktop-file-validate desktop/vexelcube.desktop

# The README's pictures of the window (Xvfb, openbox, xdotool).
screenshots: build
	docs/screenshots.sh $(BUILD) docs

$(FUZZ_BUILD)/build.ninja: | tools
	$(MAKE) --no-print-directory deps
	cmake --preset fuzz

fuzz: tools $(FUZZ_BUILD)/build.ninja
	cmake --build --preset fuzz -j $(JOBS)

fuzz-smoke: fuzz
	tools/fuzz-run $(FUZZ_BUILD) $(FUZZ_SECONDS)

# clang-tidy over every file the normal build compiles (.clang-tidy), and
# clang-format --dry-run -Werror once the project has a .clang-format.
lint: build
	tools/lint $(BUILD) $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
