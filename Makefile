# Velloc: `make run` plays the game, `make test` runs every test.
# Both install any missing Debian package first.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
XVFB_SCREEN := -screen 0 1280x1024x24

PACKAGES := build-essential cmake libsfml-dev libgtest-dev googletest libbenchmark-dev \
	fonts-dejavu-core xvfb xauth xdotool x11-utils imagemagick clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Window tests need an X server: use the one there is, or a virtual one.
ifeq ($(strip $(DISPLAY)),)
WITH_DISPLAY := xvfb-run -a -s "$(XVFB_SCREEN)"
else
WITH_DISPLAY :=
endif

.PHONY: deps configure build run test test-sanitize screenshots clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./velloc

test: build
	cd $(BUILD) && $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVL_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
		ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		$(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

# Plays the game in a real window and saves the title, a level, the win and
# the game-over screen to docs/.
screenshots: build
	ALSOFT_DRIVERS=null $(WITH_DISPLAY) $(BUILD)/tools/showcase/velloc-showcase $(BUILD)/run docs

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
