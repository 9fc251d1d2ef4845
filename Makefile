# Two commands: `make play` builds and starts the game, `make test` builds and runs every test
# (under a virtual display, so that none is skipped; a skipped test fails the run).
# Both install missing Debian packages first (as root) or print the apt-get line to run.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ARGS ?=
ASAN_BUILD ?= build-asan
# `make test` builds the game with the "ci" preset of CMakePresets.json (build-ci: optimised, line
# tables only, precompiled headers) for the end-to-end scripts and the package; the unit tests are
# compiled once, in the "asan" preset (build-asan, -O1, ASan + UBSan), and run there.
CCACHE := $(shell command -v ccache 2>/dev/null)
LAUNCHER_FLAGS := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CI_FLAGS ?= $(LAUNCHER_FLAGS)
ASAN_FLAGS ?= $(LAUNCHER_FLAGS)
# Lets ccache keep the objects that were compiled against a precompiled header.
export CCACHE_SLOPPINESS ?= pch_defines,time_macros
FUZZ_SECONDS ?= 60

.PHONY: play test test-asan fuzz

play:
	@tools/setup.sh
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) --target quilbo
	$(BUILD)/quilbo $(ARGS)

test:
	@tools/setup.sh test
	@cmake --preset ci $(CI_FLAGS) >/dev/null
	@cmake --build --preset ci
	@tools/run_ctest.sh --preset ci
	@$(MAKE) --no-print-directory test-package BUILD=build-ci
	@$(MAKE) --no-print-directory test-asan

# The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# headless and a windowed match of the sanitized game (the other end-to-end runs stay in `test`).
test-asan:
	@tools/setup.sh test
	@cmake --preset asan $(ASAN_FLAGS) >/dev/null
	@cmake --build --preset asan
	@tools/run_ctest.sh --preset asan
	@bash tests/sanitizers/e2e_match.sh $(ASAN_BUILD)/quilbo $(CURDIR)/assets

# Every file reader under libFuzzer for FUZZ_SECONDS each (clang; not part of `test`).
fuzz:
	@tests/fuzz/run_fuzzers.sh $(FUZZ_SECONDS)

# ---- The Linux installation: `make deb` builds the Debian package with CPack; `test-package`
# unpacks it and runs the installed game from there (part of `test`, reusing the built game).
# `make play` reads assets/ and writes only the player's folder (~/.local/share/quilbo-rovudo).
.PHONY: deb test-package

deb:
	@tools/setup.sh
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) --target quilbo
	@cd $(BUILD) && cpack -G DEB

test-package:
	@bash tests/package/check_package.sh $(BUILD)
