# Velloc: `make run` plays the game, `make test` runs every test.
# Both install any missing Debian package first: `make run` what building and
# playing need, `make test` also what the tests need.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
# -noreset: the server stays up between test programs instead of resetting
# when its last client leaves.
XVFB_SCREEN := -screen 0 1280x1024x24 -noreset

# Building: compiler, CMake, SFML and X11 headers (RandR's and Xinerama's
# find the monitor), FreeType to draw the icon; playing: the font and the
# software GL driver for machines without another.
RUN_PACKAGES := build-essential cmake libsfml-dev libx11-dev libxrandr-dev libxinerama-dev \
	libfreetype-dev fonts-inconsolata libgl1-mesa-dri
# The engine asks OpenAL, under SFML's audio, whether a sound device opens.
RUN_PACKAGES += libopenal-dev
# The tests: GoogleTest, a virtual X server (xvfb-run needs xauth), xdotool to
# drive the real program's window, openbox as a window manager that frames the
# window, and xprop (x11-utils) to see that the window manager is running.
TEST_PACKAGES := $(RUN_PACKAGES) libgtest-dev xvfb xauth xdotool x11-utils openbox
# i3 frames a window only once it shows it. The recording test makes a
# locale whose decimal sign is a comma with localedef.
TEST_PACKAGES += i3-wm locales
# An Xorg server with dummy heads stands in for two monitors.
TEST_PACKAGES += xserver-xorg-core xserver-xorg-video-dummy
# The terminal tests play in tmux, kitty and xterm, and over ssh to a
# loopback sshd of their own.
TEST_PACKAGES += tmux kitty xterm openssh-server openssh-client imagemagick
# The terminal tests read the game's screen through libvterm.
TEST_PACKAGES += libvterm-dev
FUZZ_PACKAGES := $(RUN_PACKAGES) clang libclang-rt-14-dev
DOCS_PACKAGES := doxygen
# The package check fetches the engine with git.
PACKAGE_CHECK_PACKAGES := $(TEST_PACKAGES) git
# Packaging: dpkg-shlibdeps works out the Debian package's dependencies.
PACKAGE_PACKAGES := $(RUN_PACKAGES) dpkg-dev
# The install check runs lintian on the package, plays the installed game in
# a virtual X server and validates its desktop entry.
INSTALL_CHECK_PACKAGES := $(PACKAGE_PACKAGES) lintian xvfb xauth xdotool desktop-file-utils

# CI builds every project target with warnings as errors. Set either way, so
# a build folder that CI configured does not keep the setting.
ifeq ($(CI),true)
CMAKE_FLAGS := -DVL_WERROR=ON
else
CMAKE_FLAGS := -DVL_WERROR=OFF
endif

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Window tests need an X server: use the one there is, or a virtual one.
ifeq ($(strip $(DISPLAY)),)
WITH_DISPLAY := xvfb-run -a -s "$(XVFB_SCREEN)"
else
WITH_DISPLAY :=
endif

.PHONY: deps-run deps-test configure build run test test-sanitize screenshots bench fuzz memcheck \
	docs package-check package install-check portable-check clang-check clean

# $(call install-missing,packages): installs those of the packages that are missing.
define install-missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps-run:
	$(call install-missing,$(RUN_PACKAGES))

deps-test:
	$(call install-missing,$(TEST_PACKAGES))

configure: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_TESTS=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Playing needs neither the tests nor their packages: only the game's run
# folder is built.
run: deps-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target velloc-run-folder
	cd $(BUILD)/run && ./velloc

test: build
	cd $(BUILD) && $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

# The engine on its portable platform (the window library alone), in a build
# of its own: its objects name no X11 or GLX symbol, and every test that does
# not test the x11 platform's own behaviour passes.
PORTABLE_BUILD ?= build-portable

portable-check: deps-test
	cmake -S . -B $(PORTABLE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_TESTS=ON \
		-DVL_PLATFORM=portable $(CMAKE_FLAGS)
	cmake --build $(PORTABLE_BUILD) -j $(JOBS)
	@if nm -u $(PORTABLE_BUILD)/engine/libvl.a | grep -E ' (X[A-Z]|glX)'; then \
		echo "The portable engine uses the X11 or GLX symbols above"; exit 1; fi
	cd $(PORTABLE_BUILD) && $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

# The committed whole game, recorded by the GCC build, replays the same in a
# clang build of the same source.
CLANG_BUILD ?= build-clang

clang-check:
	$(call install-missing,$(FUZZ_PACKAGES))
	cmake -S . -B $(CLANG_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(CLANG_BUILD) -j $(JOBS) --target velloc-run-folder
	cd $(CLANG_BUILD)/run && ALSOFT_DRIVERS=null ./velloc --replay \
		$(CURDIR)/tests/data/whole-game.vlrec --fast --headless

# Mesa unloads its software GL driver when a window closes at exit, and the
# leak checker then no longer sees the driver's own pointers to what it
# allocated. Preloading the driver keeps it loaded, so only real leaks show.
GL_DRIVER := /usr/lib/x86_64-linux-gnu/dri/swrast_dri.so

test-sanitize: deps-test
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVL_SANITIZE=ON -DVL_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	test -f $(GL_DRIVER)
	cd $(SANITIZE_BUILD) && \
		ASAN_OPTIONS=detect_leaks=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		$(WITH_DISPLAY) env LD_PRELOAD=$(GL_DRIVER) ctest --output-on-failure -j $(JOBS)

# Plays the game in a real window and saves the title, a level, the win and
# the game-over screen to docs/.
screenshots: build
	ALSOFT_DRIVERS=null $(WITH_DISPLAY) $(BUILD)/tools/showcase/velloc-showcase $(BUILD)/run docs

# Frame times, the loop's pacing and CPU share, start-up and sprite loading,
# one figure a line (docs/performance.md says what they mean). Run it on a
# quiet machine: the lines starting with # say how busy the cores were.
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target velloc-bench
	ALSOFT_DRIVERS=null $(WITH_DISPLAY) $(BUILD)/bench/velloc-bench

# Fuzzes the sprite loader and the replay's recording reader for FUZZ_SECONDS
# each, over copies of their seed corpora, in a clang build of its own. Any
# crash, leak, input slower than the timeout or allocation past the limits
# fails the run and leaves the input in $(FUZZ_BUILD)/artifacts. The address
# checker holds freed blocks back in a quarantine, 256 MB by default, and
# keeps the pages of every block size it has used: with it the reader's
# fuzzer, whose inputs hold a few kilobytes each, reached 430 to 555 MB
# resident, so the quarantine is kept to 64 MB (about 220 MB resident) and
# the limit stays a check on the code under test.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS := -rss_limit_mb=512 -malloc_limit_mb=256 -timeout=2 -report_slow_units=1 \
	-print_final_stats=1
# Each fuzzer with its corpus and dictionary, fuzz/corpus/KIND and fuzz/KIND.dict.
FUZZERS := sprite-loader:sprite recording-reader:recording

fuzz:
	$(call install-missing,$(FUZZ_PACKAGES))
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_FUZZ=ON -DVL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(foreach f,$(FUZZERS),$(firstword $(subst :, ,$(f)))-fuzzer)
	rm -rf $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/artifacts
	mkdir -p $(FUZZ_BUILD)/artifacts
	for fuzzer in $(FUZZERS); do \
		name=$${fuzzer%%:*}; kind=$${fuzzer##*:}; \
		mkdir -p $(FUZZ_BUILD)/corpus/$$kind && cp fuzz/corpus/$$kind/* $(FUZZ_BUILD)/corpus/$$kind/ && \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=quarantine_size_mb=64 \
			$(FUZZ_BUILD)/fuzz/$$name-fuzzer $(FUZZ_FLAGS) -dict=$(CURDIR)/fuzz/$$kind.dict \
			-max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$kind- \
			$(FUZZ_BUILD)/corpus/$$kind || exit 1; \
	done

# Replays the recorded whole game under valgrind's memcheck: any invalid read or
# write, use of uninitialised memory, or block still allocated at exit (lost
# or reachable, singletons' included) fails. With OpenAL's null output no
# suppression is needed; any that ever is goes in tools/valgrind/.
VALGRIND_SUPPRESSIONS := $(wildcard $(CURDIR)/tools/valgrind/*.supp)
VALGRIND_FLAGS := --error-exitcode=1 --leak-check=full --show-leak-kinds=all \
	--errors-for-leak-kinds=all --track-origins=yes --num-callers=30 \
	$(addprefix --suppressions=,$(VALGRIND_SUPPRESSIONS))

memcheck: build
	@dpkg-query -W -f='$${Status}' valgrind 2>/dev/null | grep -q 'install ok installed' || \
		{ $(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq valgrind; }
	cd $(BUILD)/run && ALSOFT_DRIVERS=null valgrind $(VALGRIND_FLAGS) \
		./velloc --replay $(CURDIR)/tests/data/whole-game.vlrec --fast --headless

# The API reference from the engine's headers, in $(DOCS_BUILD)/html. Any
# Doxygen warning fails the build.
DOCS_BUILD ?= build-docs

docs:
	$(call install-missing,$(DOCS_PACKAGES))
	mkdir -p $(DOCS_BUILD)
	VL_DOCS_OUTPUT=$(DOCS_BUILD) doxygen Doxyfile
	@if [ -s $(DOCS_BUILD)/warnings.log ]; then cat $(DOCS_BUILD)/warnings.log; exit 1; fi
	@echo "API reference: $(DOCS_BUILD)/html/index.html"

# Uses the engine as an outside project does: installed, as a subdirectory
# and fetched; builds and tests examples/snake against the install.
package-check:
	$(call install-missing,$(PACKAGE_CHECK_PACKAGES))
	CMAKE_ARGS="$(CMAKE_FLAGS)" JOBS=$(JOBS) tools/check-package.sh

# The game's Debian package and a tarball of it, in $(BUILD): the program, its
# files, desktop entry, icon, manual page and copyright file, without the
# engine's development files.
package:
	$(call install-missing,$(PACKAGE_PACKAGES))
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack

# Builds the package afresh, installs it with apt-get, plays it from / and
# removes it again (needs root or sudo).
install-check:
	$(call install-missing,$(INSTALL_CHECK_PACKAGES))
	JOBS=$(JOBS) tools/check-install.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(DOCS_BUILD) $(PORTABLE_BUILD) $(CLANG_BUILD)
