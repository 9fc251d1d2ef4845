# Two commands: `make play` builds and starts the game, `make test` builds and runs every test.
# Both install missing Debian packages first (as root) or print the apt-get line to run.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ARGS ?=

.PHONY: play test

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
