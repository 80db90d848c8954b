# The two commands of the README: `make run` and `make test`. Both install the
# missing packages, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench asan format clean

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/gui/ribcraft

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

asan:
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp $(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DRIBCRAFT_SANITIZE=ON -DRIBCRAFT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug"

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan
