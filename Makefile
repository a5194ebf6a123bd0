# Front door: `make run` builds and starts the benchmark, `make test` builds and runs every test.
BUILD      ?= build
UBSAN      ?= build-ubsan
WINBUILD   ?= build-win32
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all run test test-linux test-ubsan test-win32 bench format clean

all:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: all
	./$(BUILD)/zaveredo2

test: test-linux test-ubsan test-win32

test-linux: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The unit tests again under UBSan: bit-level code is where undefined behaviour hides.
test-ubsan:
	cmake -S . -B $(UBSAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZAV_SANITIZE=ON
	cmake --build $(UBSAN) -j $(JOBS)
	cd $(UBSAN) && ctest --output-on-failure -j $(JOBS) -LE e2e

test-win32:
	bash tools/test-win32.sh $(WINBUILD)

bench:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZAV_BENCHMARKS=ON
	cmake --build $(BUILD) -j $(JOBS)
	./$(BUILD)/bench/workloads_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(UBSAN) $(WINBUILD)
