# Front door: `make run` builds and starts the benchmark, `make test` builds and runs every test.
# Both first install what a fresh Debian machine lacks (tools/ensure-deps.sh). The builds are
# the CMake presets: release in build/, ubsan in build-ubsan/, asan in build-asan/ (the report
# tool's tests and its fuzz target, with clang), win32 in build-win32/ and, where the Windows
# suite runs as a 64-bit one (tools/test-win32.sh), win64 in build-win64/.
JOBS ?= $(shell nproc)

.PHONY: all deps run test format-check test-linux test-ubsan test-asan test-win32 bench format clean

all: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

deps:
	@bash tools/ensure-deps.sh

run: all
	./build/zaveredo2

test: format-check test-linux test-ubsan test-asan test-win32

format-check: deps
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

test-linux: all
	ctest --preset release -j $(JOBS)

# The unit tests again under UBSan: bit-level code is where undefined behaviour hides.
test-ubsan: deps
	cmake --preset ubsan
	cmake --build --preset ubsan -j $(JOBS)
	ctest --preset ubsan -j $(JOBS)

# The report tool reads files from anywhere: its tests under AddressSanitizer and UBSan, and its
# reader fuzzed for 60 seconds.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# ZAV_WINE_ARCH=win64 (or win32) picks the Windows suite; unset, it follows what Wine can run.
test-win32: deps
	bash tools/test-win32.sh

bench: all
	./build/bench/workloads_bench
	./build/bench/floor_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-ubsan build-asan build-win32 build-win32-gtest build-win64 build-win64-gtest
