# Orvento: `make run` builds and starts the program, `make test` builds and runs every test.
BUILD ?= build
# `make fuzz`: for how long, and how many events each random session plays.
SECONDI ?= 60
EVENTI ?= 5000
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build run test sanitize fuzz bench format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/orvento

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core tests and the golden sessions under address and undefined-behaviour sanitizers.
sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORVENTO_QT=OFF -DORVENTO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target core_tests orvento-cli
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Random sessions with fresh seeds for SECONDI seconds, EVENTI events each; the first one that
# breaks a check stops it and leaves the session file that replays it in $(BUILD)/fuzz.
fuzz: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target orvento-cli
	@tests/fuzz.sh $(BUILD)/orvento-cli $(SECONDI) $(EVENTI) $(BUILD)/fuzz

bench: deps
	@scripts/install-deps.sh scripts/packages-bench.txt
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DORVENTO_QT=OFF -DORVENTO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" || true; done
	@for s in bench/*.sh; do [ -x "$$s" ] && BUILD=$(BENCH_BUILD) "$$s" || true; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
