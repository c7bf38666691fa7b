# Entry points: `make run` and `make test` set up a fresh Debian 12 machine, build and go.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DXALTO_WERROR=ON
endif

.PHONY: all setup configure build run test bench format lint clean

all: build

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/xalto

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: setup
	@cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DXALTO_BUILD_TESTS=OFF -DXALTO_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target xalto_bench_protocol --target xalto_bench_logger_latency \
		--target xalto_bench_hostile
	@$(BENCH_DIR)/bench/xalto_bench_protocol
	@$(BENCH_DIR)/bench/xalto_bench_logger_latency
	@$(BENCH_DIR)/bench/xalto_bench_hostile

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

lint: build
	@git ls-files 'core/*.cpp' 'app/*.cpp' | xargs clang-tidy -p $(BUILD_DIR) --quiet --extra-arg=-Wno-unknown-warning-option

clean:
	@rm -rf $(BUILD_DIR) $(BENCH_DIR)
