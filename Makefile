# make run       installs what is missing, builds, and starts the program
# make test      installs what is missing, builds, and runs the whole test suite
# make bench     builds and runs the benchmarks
# make install   installs into PREFIX (default /usr/local), under DESTDIR when it is set
# make uninstall removes what the last make install installed
# make package   builds a Debian package in the build folder

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Debian packages the build and the tests need. MeCab's dictionary is needed at run time too: it
# reads kanji as kana for espeak-ng.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libspeechd-dev \
	liblcms2-dev speech-dispatcher python3 libmecab-dev mecab-ipadic-utf8
# A private X server for the test that reads the screen, and the tool that paints its root.
TEST_PACKAGES := xvfb xauth x11-xserver-utils
# What the running program needs on top: a Japanese font and a voice.
RUN_PACKAGES := fonts-noto-cjk speech-dispatcher-espeak-ng
# The desktop's validators check the installed files; dpkg-dev (with file) works out the
# package's dependencies.
PACKAGING_PACKAGES := desktop-file-utils appstream dpkg-dev file

.PHONY: all deps run-deps test-deps packaging-deps build run test bench install uninstall package \
	clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

run-deps:
	@./tools/install-packages $(RUN_PACKAGES)

test-deps:
	@./tools/install-packages $(TEST_PACKAGES)

packaging-deps:
	@./tools/install-packages $(PACKAGING_PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build run-deps
	cd $(BUILD_DIR) && ./kolvarenta

# The test packages come before the build, whose configuration looks for xvfb-run.
test: test-deps packaging-deps
	$(MAKE) build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
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

clean:
	rm -rf $(BUILD_DIR)
