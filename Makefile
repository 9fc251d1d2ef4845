# Two commands: `make play` builds and starts the game, `make test` builds and runs every test.
# Both install missing Debian packages first (as root) or print the apt-get line to run.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ARGS ?=
ASAN_BUILD ?= build-asan
# -O1 keeps the sanitizer build quick to compile and still fast enough to run.
ASAN_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DQUILBO_SANITIZE=ON
FUZZ_SECONDS ?= 60

.PHONY: play test test-asan fuzz

play:
	@tools/setup.sh
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) --target quilbo
	$(BUILD)/quilbo $(ARGS)

test:
	@tools/setup.sh test
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)
	@cd $(BUILD) && ctest --output-on-failure -j2
	@$(MAKE) --no-print-directory test-asan

# The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (only the test binary is built; the end-to-end runs stay in `test`).
test-asan:
	@cmake -S . -B $(ASAN_BUILD) -G Ninja $(ASAN_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) --target quilbo_tests
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 ctest --output-on-failure -j2 -LE e2e

# Every file reader under libFuzzer for FUZZ_SECONDS each (clang; not part of `test`).
fuzz:
	@tests/fuzz/run_fuzzers.sh $(FUZZ_SECONDS)
