# The README's two commands are `make run` and `make test`; both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
BENCH_BUILD?= build-bench
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: deps build asan test run bench fuzz clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DMORVO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test: build asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -LE e2e

run: build
	scripts/run $(BUILD)

bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DMORVO_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	scripts/bench $(BENCH_BUILD)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVO_FUZZ=ON -DMORVO_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz $(FUZZ_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
