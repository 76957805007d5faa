# The everyday commands: `make run`, `make test` (the quick tests) and
# `make check` (every gate, as CI runs it). Each installs any missing Debian
# package first, then builds with CMake and Ninja.
BUILD      ?= build
JOBS       ?= $(shell nproc)
SECONDS    ?= 60
GAMES      ?= 10000

.PHONY: deps build run test check fuzz soak bench tidy format deb clean

deps:
	@scripts/install-deps.sh

build: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tanukiban

# Every test of the main build but those labelled slow (seconds of real time:
# the window under Xvfb, the real sound library) and the gates.
test: build
	ctest --test-dir $(BUILD) -j $(JOBS) -LE 'slow|gate' --output-on-failure

# Sanitizer build, fuzzing, then every test and gate of a main build with
# warnings as errors.
check: deps
	JOBS=$(JOBS) scripts/check.sh

fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DTANUKIBAN_FUZZ=ON -DTANUKIBAN_FUZZ_SECONDS=$(SECONDS)
	cmake --build build-fuzz -j $(JOBS)
	ctest --test-dir build-fuzz -L fuzz --output-on-failure

soak: build
	$(BUILD)/tanukiban-selfplay --games $(GAMES) --all-pairings --random-opening 6

bench: build
	$(BUILD)/tanukiban-bench

# A Debian package of the game and tanukiban-usi: $(BUILD)/tanukiban_<version>_amd64.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

tidy: build
	scripts/tidy.sh $(BUILD)

# Lays out every tracked source as .clang-format says.
format:
	git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format -i

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-check
