# `make run` and `make test`, which the README's ./run and ./test reach once
# make itself is installed. Each installs what is missing
# (tools/install-deps), then configures and builds with CMake.

PRESET ?= default
# The compiler's progress without make's "Entering directory" lines; the
# builds CMake runs read it from the environment.
MAKEFLAGS += --no-print-directory
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Every date the packages carry is the last commit's (the reproducible-builds
# convention, which CPack, strip-nondeterminism and tools/release follow):
# two builds of one commit give the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: all deps configure build run test clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@./$(BUILD_DIR)/morvantis

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

# A .deb in build/ (CPack); install it as root with `apt-get install ./build/morvantis_*.deb`.
.PHONY: package screenshots
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The README's pictures of the four windows, made under Xvfb.
screenshots: build
	@tools/screenshots $(BUILD_DIR)/morvantis docs/img

# Release build, then the benchmarks under their own Xvfb: a table, and
# build/bench/results.json (docs/performance.md). Not part of `make test`.
.PHONY: bench
bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@./build-release/bench/morvantis_bench --out $(BUILD_DIR)/bench/results.json

# The whole test suite under AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer, in build-sanitize/.
.PHONY: sanitize fuzz
sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

# The game logic's libFuzzer target (clang, ASan, UBSan) for FUZZ_SECONDS,
# from the committed seeds; what it finds goes to build-fuzz/corpus, a crash
# to build-fuzz/crash-*. Inputs of at most 256 bytes and a small ASan
# quarantine keep it fast and small (tests/fuzz/README.md has the figures).
FUZZ_SECONDS ?= 30
FUZZ_ASAN_OPTIONS ?= quarantine_size_mb=8:malloc_context_size=10
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@mkdir -p build-fuzz/corpus
	@ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) ./build-fuzz/tests/fuzz/fuzz_oraculo -max_total_time=$(FUZZ_SECONDS) \
		-max_len=256 -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz/corpus

clean:
	rm -rf build build-* release

# `make format`: clang-format over the project's own C++ files, by the root
# .clang-format; `make format-check` changes nothing and fails, listing the
# files, where it would change one (tools/format; .ci/run runs it). The tree
# is formatted with Debian 12's clang-format 14.
.PHONY: format format-check format-deps
format-deps:
	@tools/install-deps format

format: format-deps
	@tools/format

format-check: format-deps
	@tools/format --check

# `make release`: the .deb, the Windows installer and zip, and the page as
# an archive, named with the version, with SHA256SUMS, in release/; built
# twice in two folders and compared byte for byte (tools/release).
.PHONY: release
release: deps web-deps windows-deps
	@tools/install-deps release
	@JOBS=$(JOBS) tools/release release

# --- The browser build (web/) ------------------------------------------------
# `make web`: the static site in build-web/, built by Debian's Emscripten.
# `make web-test`: the page played in three engines, one run of the suite
# (tests/web/) each: Debian's chromium, Firefox ESR and WebKitGTK (on a
# private Xvfb); WEB_MOTORES picks fewer. It fails if any run fails, after
# all have run, and prints each run's wall time.
# `make bench-web`: a slow phone's first load, the reveal under a slow CPU,
# axe-core and npm's Lighthouse against Debian's chromium (docs/performance.md).
.PHONY: web web-deps web-test bench-web
web-deps:
	@tools/install-deps web

web: web-deps
	@cmake --preset web >/dev/null
	@cmake --build --preset web -j $(JOBS)

tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error

WEB_TESTS := $(wildcard tests/web/*.test.mjs)

WEB_MOTORES ?= chromium firefox webkit
# A run ends with its last test, even when a failed one left a server or a
# browser open, and a stuck one fails an engine's run in minutes (each takes
# about one here).
WEB_TEMPO_MAXIMO ?= 600

web-test: web tests/web/node_modules/.package-lock.json
	@falhas=; for motor in $(WEB_MOTORES); do \
		inicio=$$(date +%s); \
		MORVANTIS_MOTOR=$$motor timeout -k 30 $(WEB_TEMPO_MAXIMO) \
			node --test --test-force-exit $(WEB_TESTS) || falhas="$$falhas $$motor"; \
		echo "# $$motor: $$(( $$(date +%s) - inicio )) s"; \
	done; \
	[ -z "$$falhas" ] || { echo "web-test failed in:$$falhas" >&2; exit 1; }

bench/node_modules/.package-lock.json: bench/package-lock.json
	@cd bench && npm ci --no-audit --no-fund --loglevel=error

bench-web: web tests/web/node_modules/.package-lock.json bench/node_modules/.package-lock.json
	@CHROME_PATH=$${CHROME_PATH:-/usr/bin/chromium} node bench/web.mjs --out $(BUILD_DIR)/bench/web.json

# Morvantis.exe for Windows, cross-built on Debian with MinGW-w64 and tested
# under Wine: `make windows` leaves Morvantis.exe, the portable zip and the
# installer at the top of build-windows/; `make windows-test` runs the game,
# Win32 and end-to-end tests under Wine on a private Xvfb;
# `make bench-windows` measures it (docs/performance.md).
.PHONY: windows windows-deps windows-test bench-windows
windows-deps:
	@tools/install-deps windows

windows: windows-deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)
	@cd build-windows && cpack -C Release >/dev/null && ls -1 Morvantis.exe Morvantis-*-win64.*

windows-test: windows
	@tests/win32/sob-wine.sh build-windows ctest --preset windows -j $(JOBS)

bench-windows: windows
	@tests/win32/sob-wine.sh build-windows wine build-windows/bench/morvantis_bench_win32.exe \
		build-windows/Morvantis.exe build-windows/bench/janela_nua.exe
