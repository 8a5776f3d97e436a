# Lorvane: `make` builds, `make test` runs every test, `make run` opens the game,
# `make package` builds the Debian package, `make screenshot` redraws docs/screenshot.png.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs: FUZZ_SECONDS for `make fuzz`, the short
# FUZZ_TEST_SECONDS inside `make test`.
FUZZ_SECONDS      ?= 600
FUZZ_TEST_SECONDS ?= 3
# Which targets `make fuzz` runs (names under fuzz/corpus/); empty: all.
FUZZ_TARGETS      ?=
JOBS       ?= $(shell nproc)

.PHONY: all deps build asan fuzz-build fuzz fuzz-run test run bench package screenshot clean

all: build

deps:
	@./scripts/install-deps.sh

build:
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Address and undefined-behaviour sanitizers over the same code and tests.
asan:
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# libFuzzer targets for the parsers of outside input, built with clang.
fuzz-build:
	@cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: deps
	@$(MAKE) --no-print-directory fuzz-run

fuzz-run: fuzz-build
	@./scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

test: deps
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory asan
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-run FUZZ_SECONDS=$(FUZZ_TEST_SECONDS)

run: deps
	@$(MAKE) --no-print-directory build
	./$(BUILD)/lorvane

bench: build
	./$(BUILD)/lorvane-engine bench

# $(BUILD)/lorvane_<version>_<arch>.deb
package: deps
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/lorvane_*.deb

# The README's picture of the window in the middle of a game.
screenshot: build
	./$(BUILD)/tests/ui/lorvane-screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
