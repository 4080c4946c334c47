# The two commands a new user needs: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps run test bench clean

# CI (CI=true) fails on any compiler warning.
WERROR := $(if $(filter true,$(CI)),ON,OFF)

deps:
	./scripts/install-deps.sh

build/release/veltrane: deps FORCE
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_BENCH=ON -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/release -j $(JOBS) --target veltrane

run: build/release/veltrane
	./build/release/veltrane

test: deps
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON -DVELTRANE_BENCH=OFF -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/asan -j $(JOBS)
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVELTRANE_BENCH=ON -DVELTRANE_WERROR=$(WERROR) >/dev/null
	cmake --build build/release -j $(JOBS) --target veltrane_bench
	QT_QPA_PLATFORM=offscreen ./build/release/veltrane_bench

clean:
	rm -rf build

FORCE:
