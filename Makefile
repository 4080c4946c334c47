# The two commands a new user needs: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps run test bench fuzz clean format format-check

# Every C++ file of the project, as the formatter sees it.
CXX_FILES = $(shell find src tests bench fuzz -name '*.cpp' -o -name '*.h')

# CI (CI=true) fails on any compiler warning.
WERROR := $(if $(filter true,$(CI)),ON,OFF)

deps:
	./scripts/install-deps.sh

build/release/veltrane: deps FORCE
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_BENCH=ON -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/release -j $(JOBS) --target veltrane

run: build/release/veltrane
	./build/release/veltrane

test: deps format-check
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON -DVELTRANE_BENCH=OFF -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/asan -j $(JOBS)
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# make fuzz SEED=7 COUNT=100000: the fuzz driver, long, under the sanitizers.
SEED ?= $(shell date +%s)
COUNT ?= 20000
fuzz: deps
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON -DVELTRANE_BENCH=OFF -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/asan -j $(JOBS) --target veltrane_fuzz
	QT_QPA_PLATFORM=offscreen ./build/asan/fuzz/veltrane_fuzz --seed $(SEED) --count $(COUNT)

bench: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_BENCH=ON -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/release -j $(JOBS) --target veltrane_bench
	QT_QPA_PLATFORM=offscreen ./build/release/veltrane_bench

# make test fails on unformatted code; make format lays it out.
format-check: deps
	@clang-format --dry-run --Werror $(CXX_FILES) && echo "clang-format: every file is formatted"

format: deps
	@clang-format -i $(CXX_FILES)

clean:
	rm -rf build

FORCE:
