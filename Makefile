# make run   installs what is missing, builds, and starts the program
# make test  installs what is missing, builds, and runs the whole test suite, with a short run
#            of every fuzz target
# make bench builds and runs the benchmarks
# make fuzz  runs every fuzz target for FUZZ_SECONDS (60 unless given), two at a time

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The fuzz programs are built with clang, with sanitizers, in a folder of their own.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 2

# Debian packages the build and the tests need.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libspeechd-dev \
	liblcms2-dev speech-dispatcher python3
# What the running program needs on top: a Japanese font and a voice.
RUN_PACKAGES := fonts-noto-cjk speech-dispatcher-espeak-ng
# The fuzz build: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: all deps run-deps fuzz-deps build fuzz-build run test bench fuzz clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

run-deps:
	@./tools/install-packages $(RUN_PACKAGES)

fuzz-deps:
	@./tools/install-packages $(FUZZ_PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

fuzz-build: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DKOLVARENTA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target kolvarenta_fuzz

run: build run-deps
	cd $(BUILD_DIR) && ./kolvarenta

# After the test suite, each fuzz target runs 20 s from the committed corpus alone.
test: build fuzz-build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	FUZZ_JOBS=$(FUZZ_JOBS) ./tools/run-fuzz --fresh $(FUZZ_BUILD_DIR) 20

fuzz: fuzz-build
	FUZZ_JOBS=$(FUZZ_JOBS) ./tools/run-fuzz $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
		[ -f "$$b" ] && [ -x "$$b" ] || continue; \
		echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR)
