# make run       installs what is missing, builds, and starts the program; with VOICE=espeak-ng
#                it installs no Open JTalk
# make test      installs what is missing, builds, and runs the whole test suite, with a short
#                run of every fuzz target
# make bench     builds and runs the benchmarks
# make fuzz      runs every fuzz target for FUZZ_SECONDS (60 unless given), two at a time
# make install   installs into PREFIX (default /usr/local), under DESTDIR when it is set
# make uninstall removes what the last make install installed
# make package   builds a Debian package in the build folder
# make check-debian12, make check-debian13
#                in a fresh minimal Debian 12 or 13 (as root, through debootstrap and chroot):
#                make test and make run as a new user, then the package installed and started

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# The fuzz programs are built with clang, with sanitizers, in a folder of their own.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 2

# Debian packages the build and the tests need. MeCab's dictionary is needed at run time too: it
# reads kanji as kana for espeak-ng.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libspeechd-dev \
	liblcms2-dev speech-dispatcher python3 libmecab-dev mecab-ipadic-utf8
# A private X server for the test that reads the screen, and the tool that paints its root; a
# D-Bus daemon for the screen reader test; and for the run beside a real Orca, Orca itself, the
# accessibility bus, the desktop settings' schemas, a window manager and a key sender; strace,
# which kills the program at each step of saving its settings.
TEST_PACKAGES := xvfb xauth x11-xserver-utils dbus-daemon orca at-spi2-core gsettings-desktop-schemas \
	openbox xdotool strace
# What the running program needs on top: a Japanese font and a voice. espeak-ng is always there;
# the natural voice, Open JTalk, is set up by tools/install-voice, for make run unless VOICE is
# espeak-ng, and always for make test, whose tests speak with it.
RUN_PACKAGES := fonts-noto-cjk speech-dispatcher-espeak-ng
VOICE ?= openjtalk
ifeq ($(filter $(VOICE),openjtalk espeak-ng),)
$(error VOICE is openjtalk (the default) or espeak-ng, not '$(VOICE)')
endif
# The desktop's validators check the installed files; dpkg-dev (with file) works out the
# package's dependencies.
PACKAGING_PACKAGES := desktop-file-utils appstream dpkg-dev file
# The fuzz build: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: all deps run-deps test-deps packaging-deps fuzz-deps bench-deps build fuzz-build run test \
	bench fuzz install uninstall package check-debian12 check-debian13 clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

run-deps:
	@./tools/install-packages $(RUN_PACKAGES)
ifeq ($(VOICE),openjtalk)
	@./tools/install-voice --module
endif

test-deps:
	@./tools/install-packages $(TEST_PACKAGES)
	@./tools/install-voice

packaging-deps:
	@./tools/install-packages $(PACKAGING_PACKAGES)

fuzz-deps:
	@./tools/install-packages $(FUZZ_PACKAGES)

# The key-to-speech benchmark times the real Open JTalk voice, with its voice from contrib.
bench-deps:
	@./tools/install-voice

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

fuzz-build: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DKOLVARENTA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target kolvarenta_fuzz

run: build run-deps
	cd $(BUILD_DIR) && ./kolvarenta

# The test packages come before the build, whose configuration looks for xvfb-run. After the
# test suite, each fuzz target runs 20 s from the committed corpus alone.
test: test-deps packaging-deps
	$(MAKE) build fuzz-build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	FUZZ_JOBS=$(FUZZ_JOBS) ./tools/run-fuzz --fresh $(FUZZ_BUILD_DIR) 20

fuzz: fuzz-build
	FUZZ_JOBS=$(FUZZ_JOBS) ./tools/run-fuzz $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

bench: build bench-deps
	@for b in $(BUILD_DIR)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

# cmake --install lists every file it put in place, without DESTDIR; the tests install too, so
# make install keeps its own copy of the list, with DESTDIR, for make uninstall.
INSTALLED_LIST := $(BUILD_DIR)/installed-files.txt

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" --strip
	sed 's|^|$(DESTDIR)|' $(BUILD_DIR)/install_manifest.txt > $(INSTALLED_LIST)

uninstall:
	@[ -f $(INSTALLED_LIST) ] || { echo "make install was not run from $(BUILD_DIR)"; exit 1; }
	xargs -d '\n' rm -f < $(INSTALLED_LIST)
	@shared=$$(sed -n 's|/kolvarenta.dat$$||p' $(INSTALLED_LIST)); \
		[ ! -d "$$shared" ] || rmdir --ignore-fail-on-non-empty "$$shared"
	rm $(INSTALLED_LIST)

package: build packaging-deps
	cd $(BUILD_DIR) && cpack -G DEB

check-debian12:
	./tools/check-debian bookworm

check-debian13:
	./tools/check-debian trixie

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR)
