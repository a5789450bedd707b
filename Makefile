# make run   installs what is missing, builds, and starts the program
# make test  installs what is missing, builds, and runs the whole test suite
# make bench builds and runs the benchmarks

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Debian packages the build and the tests need. MeCab's dictionary is needed at run time too: it
# reads kanji as kana for espeak-ng.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libspeechd-dev \
	liblcms2-dev speech-dispatcher python3 libmecab-dev mecab-ipadic-utf8
# A private X server for the test that reads the screen, and the tool that paints its root.
TEST_PACKAGES := xvfb xauth x11-xserver-utils
# What the running program needs on top: a Japanese font and a voice.
RUN_PACKAGES := fonts-noto-cjk speech-dispatcher-espeak-ng

.PHONY: all deps run-deps test-deps build run test bench clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

run-deps:
	@./tools/install-packages $(RUN_PACKAGES)

test-deps:
	@./tools/install-packages $(TEST_PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build run-deps
	cd $(BUILD_DIR) && ./kolvarenta

# The test packages come before the build, whose configuration looks for xvfb-run.
test: test-deps
	$(MAKE) build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)
