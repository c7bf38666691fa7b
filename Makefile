# Entry points: `make run` and `make test` set up a fresh Debian 12 machine, build and go.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DXALTO_WERROR=ON
endif

.PHONY: all setup configure build run demo screenshots test bench package format lint clean

all: build

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/xalto

# A simulated station and KT-90 controller with the application on throw-away settings.
demo: build
	@$(BUILD_DIR)/tools/demo/xalto-demo $(BUILD_DIR)/app/xalto

# Pictures of the real windows against the simulator, written to docs/.
screenshots: build
	@scripts/screenshots $(BUILD_DIR)

# The Debian package, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: setup
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DXALTO_BUILD_TESTS=OFF -DXALTO_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target xalto_bench_protocol --target xalto_bench_logger_latency \
		--target xalto_bench_window
	@$(BENCH_DIR)/bench/xalto_bench_protocol
	@$(BENCH_DIR)/bench/xalto_bench_logger_latency
	@QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/xalto_bench_window

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files 'core/*.cpp' 'app/*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet --extra-arg=-Wno-unknown-warning-option

clean:
	@rm -rf $(BUILD_DIR) $(BENCH_DIR)
