# Lorvane: `make` builds, `make test` runs every test, `make run` opens the game.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps build asan test run bench clean

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

test: deps
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory asan
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

run: deps
	@$(MAKE) --no-print-directory build
	./$(BUILD)/lorvane

bench: build
	./$(BUILD)/lorvane-engine bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
