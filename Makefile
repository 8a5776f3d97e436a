# Lorvane: `make` builds, `make check` builds and runs the tests of that build
# (the quick loop while working), `make test` runs every test as CI does (with
# the sanitizer build and the fuzzers), `make run` opens the game, `make
# package` builds the Debian package, `make screenshot` redraws docs/screenshot.png.
# `make windows` cross-builds the Windows game, zip and installer; `make
# test-windows` runs the tests under Wine.
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
WIN_BUILD  ?= build-windows

.PHONY: all deps build asan fuzz-build fuzz fuzz-run check test run bench package screenshot \
        clean windows test-windows

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

# The release build and its quick tests only: nothing installed, no
# sanitizers, no fuzzing, and none of the tests labelled long (the package,
# the installed game, the random session, Orca), which make test runs.
check: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE long

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

# --- Windows: Qt for Windows is built once per machine (scripts/build-qt.sh)
# into a cache outside the checkout; the game links it statically. CMake
# reads a toolchain file only on a folder's first configure, so when
# build-qt.sh names another Qt (one rebuilt under a new cache key) than the
# one $(WIN_QT_STAMP) records, the folder is emptied but for its Wine prefix
# and configured afresh.
WIN_QT_STAMP = $(WIN_BUILD)/qt-prefix
windows:
	@./scripts/install-deps.sh --windows
	@qt=$$(./scripts/build-qt.sh windows) && qt=$$(echo "$$qt" | tail -n 1) && \
	  if [ -d $(WIN_BUILD) ] && [ "$$(cat $(WIN_QT_STAMP) 2>/dev/null)" != "$$qt" ]; then \
	    find $(WIN_BUILD) -mindepth 1 -maxdepth 1 ! -name wine ! -name wine.lock -exec rm -rf {} +; fi && \
	  cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/mingw-w64.cmake >/dev/null && \
	  echo "$$qt" > $(WIN_QT_STAMP)
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	@cmake --build $(WIN_BUILD) --target windows-packages

# The tests share one Wine server, which the first of them starts.
test-windows: windows
	@cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WEB_BUILD) $(WEB_TOOLS)

# --- The browser: the game's core (engine/ and game/, no Qt) built with
# Debian's emscripten into $(WEB_BUILD), which writes the static site, and
# nothing else, to $(WEB_SITE). `make serve-web` serves it on localhost with
# Debian's nginx, set up as docs/browser.md says; `make test-web` plays it in
# Chromium, Firefox and WebKit against the native engine tool, then has
# Orca, the screen reader, play it by keyboard in Chromium and Firefox; `make
# bench-web` prints its size and speed figures in each.
WEB_BUILD ?= build-web
WEB_SITE   = $(WEB_BUILD)/site
WEB_PORT  ?= 8000
# The browser engines test-web and bench-web use (any of chromium, firefox,
# webkit, separated by commas).
WEB_ENGINES ?= chromium,firefox,webkit
# emcc runs on a node that does not search Debian's node modules by itself.
WEB_ENV   = NODE_PATH=/usr/share/nodejs
# The browser tests' npm packages (tests/web/package-lock.json) and their
# screenshots, kept out of the site.
WEB_TOOLS ?= $(WEB_BUILD)-tools
WEB_NODE  = $(WEB_TOOLS)/node_modules
.PHONY: web serve-web test-web bench-web web-test-tools

# A build folder made for the Qt window in the browser, as the browser build
# once was, cannot be configured for emscripten alone: it is made anew.
web:
	@./scripts/install-deps.sh --web
	@if grep -qs '^Qt6_DIR' $(WEB_BUILD)/CMakeCache.txt; then rm -rf $(WEB_BUILD); fi
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

serve-web: web
	@./scripts/serve-web.sh $(WEB_SITE) $(WEB_PORT)

web-test-tools: $(WEB_NODE)/.installed
$(WEB_NODE)/.installed: tests/web/package.json tests/web/package-lock.json
	@mkdir -p $(WEB_TOOLS)
	@cp tests/web/package.json tests/web/package-lock.json $(WEB_TOOLS)/
	@cd $(WEB_TOOLS) && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
	@touch $@

test-web: web
	@$(MAKE) --no-print-directory build web-test-tools
	@NODE_PATH=$(CURDIR)/$(WEB_NODE) BUILD=$(BUILD) LORVANE_WEB_ENGINES=$(WEB_ENGINES) \
	  node tests/web/test_web.js $(WEB_SITE) $(WEB_TOOLS)/shots
	@for face in chromium firefox; do \
	  case ",$(WEB_ENGINES)," in *,$$face,*) \
	    echo "Orca plays the page in $$face"; \
	    tests/screen_reader/orca_hears.sh $$face $(WEB_SITE) $(WEB_TOOLS)/orca || exit 1 ;; esac; \
	done

bench-web: web
	@$(WEB_ENV) cmake --build $(WEB_BUILD) --target lorvane_bench_core
	@$(MAKE) --no-print-directory build web-test-tools
	@NODE_PATH=$(CURDIR)/$(WEB_NODE) BUILD=$(BUILD) LORVANE_WEB_ENGINES=$(WEB_ENGINES) \
	  node tests/web/bench_web.js $(WEB_SITE) $(WEB_BUILD)/bench-core
