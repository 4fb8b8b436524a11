# The two commands of the README: `make run` and `make test`. Both install what is missing first.
# `make bench` builds and runs the speed measurements, which `make test` leaves alone.
JOBS ?= $(shell nproc)

.PHONY: run test bench build deps configure clean

run: build
	./build/tomelor

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS)

bench: configure
	cmake --build --preset default --target bench_lcd99 -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./build/bench/bench_lcd99

build: configure
	cmake --build --preset default -j $(JOBS)

configure: deps
	@test -f build/CMakeCache.txt || cmake --preset default

deps:
	@scripts/install-deps

clean:
	rm -rf build
