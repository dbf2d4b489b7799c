# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_GEN = $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps run test bench fuzz release clean

all: release

deps:
	@bash scripts/install-deps.sh

release: deps
	@cmake -S . -B build/release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DKAVALTO_TESTS=OFF >/dev/null
	@cmake --build build/release -j $(JOBS)

run: release
	@./build/release/src/kavalto

test: deps
	@cmake -S . -B build/test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKAVALTO_SANITIZE=ON -DKAVALTO_WERROR=ON >/dev/null
	@cmake --build build/test -j $(JOBS)
	@cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DKAVALTO_TESTS=OFF -DKAVALTO_BENCH=ON >/dev/null
	@cmake --build build/bench -j $(JOBS)
	@for b in build/bench/bench/*_bench; do echo "== $$b"; $$b; done

# The fuzz targets need clang's libFuzzer; FUZZ_SECONDS sets how long each runs.
FUZZ_SECONDS ?= 60
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz: clang++ is not installed (apt-get install clang libclang-rt-14-dev)"; exit 1; }
	@CC=clang CXX=clang++ cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVALTO_TESTS=OFF -DKAVALTO_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS)
	@for f in build/fuzz/tests/fuzz/*_fuzz; do echo "== $$f"; mkdir -p build/fuzz/corpus/$$(basename $$f); \
	  $$f build/fuzz/corpus/$$(basename $$f) tests/fuzz/seeds/$$(basename $$f) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 || exit 1; done

clean:
	rm -rf build
