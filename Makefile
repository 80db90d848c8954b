# The two commands of the README: `make run` and `make test`. Both install the
# missing packages, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 3600

.PHONY: deps configure build run test bench asan fuzz format clean

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

# Any sanitizer report fails the test that meets it (no recovery, halt on the first error).
asan:
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp $(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DRIBCRAFT_SANITIZE=ON -DRIBCRAFT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug"

# A long fuzz run (FUZZ_SECONDS) of the coordinate reader, section check and panel solution under
# AddressSanitizer and UBSan, built with clang in its own folder. Inputs it keeps go to
# build-fuzz/fuzz-corpus; a crashing input is written to the current folder.
fuzz:
	./scripts/install-deps fuzz
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRIBCRAFT_FUZZ=ON -DRIBCRAFT_SANITIZE=ON \
	  -DRIBCRAFT_GUI=OFF -DRIBCRAFT_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build-fuzz -j $(JOBS) --target fuzz_section
	ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ./build-fuzz/tests/fuzz_section -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	  build-fuzz/fuzz-corpus tests/data/fuzz/section

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan build-fuzz
