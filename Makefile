# Plexa: `make run` starts the program, `make test` runs every test. Both install what is missing.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps configure build run test test-main test-asan test-fuzz bench fuzz fuzz-build clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/plexa

test: test-main test-asan test-fuzz

test-main: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DPLEXA_SANITIZE=ON \
	    -DPLEXA_BUILD_UI=OFF -DPLEXA_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/plexa_bench
	$(BUILD)/bin/plexa_bench_drawing
	scripts/bench-cli.sh $(BUILD)/bin/plexa-cli

# libFuzzer targets for every reader of outside text; FUZZ_SECONDS per target.
fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DPLEXA_BUILD_FUZZ=ON \
	    -DPLEXA_BUILD_UI=OFF -DPLEXA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target plexa_fuzzers

fuzz: fuzz-build
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin

# A few seconds of each fuzzer, so that a reader that breaks on what it found before shows.
test-fuzz: fuzz-build
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/bin 3

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
