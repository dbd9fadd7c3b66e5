# Two commands set everything up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the game
#   make test   install what is missing, build, run every test
.PHONY: all deps build run test test-fast test-asan bench fuzz fuzz-smoke package lint-package screenshots clean

PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev googletest \
            libbenchmark-dev libpng-dev nlohmann-json3-dev qt6-base-dev libgl-dev fonts-dejavu-core \
            xvfb xauth clang libclang-rt-14-dev libfontconfig-dev \
            desktop-file-utils appstream openbox xdotool dpkg-dev fakeroot
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 30
BENCH_JSON ?=

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

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-game $(BUILD)

# The whole suite: the normal build, the same tests under the sanitizers,
# and a short run of each fuzz target.
test: test-fast test-asan fuzz-smoke

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXEL_SANITIZE=ON -DVEXEL_BENCH=OFF

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

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

$(FUZZ_BUILD)/build.ninja: | deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVEXEL_FUZZ=ON -DVEXEL_WINDOW=OFF

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-smoke: fuzz
	tools/fuzz-run $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
