# Entry points: `make run` and `make test` set up a fresh Debian 12 machine, build and go.
# `make test CXX=clang++` builds with clang, in a folder of its own.
ifneq ($(filter clang%,$(notdir $(CXX))),)
BUILD_DIR ?= build-clang
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER=$(CXX)
SETUP_GROUPS += clang
endif
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DXALTO_WERROR=ON
endif

# Fuzzing and the sanitizer builds use clang, each in its own folder.
FUZZ_SECONDS ?= 60
# Targets run side by side, and the seconds one input may take before it counts as a hang.
FUZZ_JOBS ?= 1
FUZZ_TIMEOUT ?= 10
FUZZ_DIR ?= build-fuzz
ASAN_DIR ?= build-asan
TSAN_DIR ?= build-tsan
CLANG_CONFIGURE = cmake -S . -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DXALTO_WERROR=ON
SANITIZER_FLAGS = -fno-omit-frame-pointer -fno-sanitize-recover=undefined

.PHONY: all setup configure build run demo screenshots test bench package format lint clean fuzz sanitize translations

all: build

setup:
	@scripts/setup $(SETUP_GROUPS)

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/xalto

# A simulated station, KT-90 controller and rotctld rotator with the application on throw-away
# settings. HOSTILE_NAMES=1 names the station's devices like markup and mnemonics.
demo: build
	@$(if $(HOSTILE_NAMES),XALTO_DEMO_HOSTILE_NAMES=1 )$(BUILD_DIR)/tools/demo/xalto-demo $(BUILD_DIR)/app/xalto

# Pictures of the real windows against the simulator, written to docs/.
screenshots: build
	@scripts/screenshots $(BUILD_DIR)

# The Debian package, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Refreshes translations/*.ts from every tr() in app/ and core/ (new texts come in unfinished).
translations: configure
	@cmake --build $(BUILD_DIR) --target update_translations

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: setup
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DXALTO_BUILD_TESTS=OFF -DXALTO_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target xalto_bench_protocol --target xalto_bench_logger_latency \
		--target xalto_bench_window --target xalto_bench_hostile --target xalto_bench_map --target xalto_bench_rotctld \
		--target xalto_bench_geo --target xalto_bench_remote \
		--target xalto_bench_world
	@$(BENCH_DIR)/bench/xalto_bench_protocol
	@$(BENCH_DIR)/bench/xalto_bench_logger_latency
	@$(BENCH_DIR)/bench/xalto_bench_hostile
	@$(BENCH_DIR)/bench/xalto_bench_rotctld
	@$(BENCH_DIR)/bench/xalto_bench_geo
	@$(BENCH_DIR)/bench/xalto_bench_remote
	@QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/xalto_bench_window
	@QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/xalto_bench_map
	@QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/xalto_bench_world
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BENCH_DIR)/bench/xalto_bench_world

fuzz:
	@scripts/setup clang
	@$(CLANG_CONFIGURE) -B $(FUZZ_DIR) -DXALTO_FUZZ=ON \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link $(SANITIZER_FLAGS)" >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target xalto_fuzz_targets
	@FUZZ_JOBS=$(FUZZ_JOBS) FUZZ_TIMEOUT=$(FUZZ_TIMEOUT) scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the tests of the
# worker threads under ThreadSanitizer.
sanitize:
	@scripts/setup clang
	@$(CLANG_CONFIGURE) -B $(ASAN_DIR) -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined $(SANITIZER_FLAGS)" >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@scripts/sanitize-tests address $(ASAN_DIR)
	@$(CLANG_CONFIGURE) -B $(TSAN_DIR) -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target tst_serialport --target tst_phidgetencoder
	@scripts/sanitize-tests thread $(TSAN_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files 'core/*.cpp' 'app/*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet --extra-arg=-Wno-unknown-warning-option

clean:
	@rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(ASAN_DIR) $(TSAN_DIR) build-clang
