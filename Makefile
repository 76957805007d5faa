# The two everyday commands: `make run` and `make test`.  Both install any
# missing Debian package first, then build with CMake and Ninja.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
SECONDS    ?= 60
GAMES      ?= 10000

CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

.PHONY: deps configure build run test bench soak clean

deps:
	@scripts/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || $(CONFIGURE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tanukiban

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

bench: build
	$(BUILD)/tanukiban-bench

soak: build
	$(BUILD)/tanukiban-selfplay --games $(GAMES) --all-pairings

clean:
	rm -rf $(BUILD)
