# The two everyday commands: `make run` and `make test`. Both install any
# missing Debian package first, then build with CMake and Ninja.
BUILD      ?= build
JOBS       ?= $(shell nproc)
SECONDS    ?= 60
GAMES      ?= 10000

.PHONY: deps build run test fuzz soak bench tidy clean

deps:
	@scripts/install-deps.sh

build: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tanukiban

# Sanitizer build, fuzzing, then every test of the main build.
test: deps
	JOBS=$(JOBS) scripts/test-all.sh

fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DTANUKIBAN_FUZZ=ON -DTANUKIBAN_FUZZ_SECONDS=$(SECONDS)
	cmake --build build-fuzz -j $(JOBS)
	ctest --test-dir build-fuzz -L fuzz --output-on-failure

soak: build
	$(BUILD)/tanukiban-selfplay --games $(GAMES) --all-pairings --random-opening 6

bench: build
	$(BUILD)/tanukiban-bench

tidy: build
	scripts/tidy.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-fuzz
