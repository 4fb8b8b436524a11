# The two commands of the README: `make run` and `make test`. Both install what is missing first.
# `make bench` builds and runs the speed measurements, which `make test` leaves alone.
# `make assets` redraws every picture and sound into assets/; `make assets-check` redraws them elsewhere and
# compares the bytes with those in assets/.
JOBS ?= $(shell nproc)
ASSETGEN := build/tools/assetgen

.PHONY: run test bench build deps configure clean assets assets-check assetgen

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

assetgen: deps
	@test -f build/tools/CMakeCache.txt || cmake -S tools -B build/tools
	cmake --build build/tools -j $(JOBS)

assets: assetgen
	$(ASSETGEN) assets/fonts assets

assets-check: assetgen
	@out=$$(mktemp -d) && trap 'rm -rf "$$out"' EXIT && \
	$(ASSETGEN) assets/fonts "$$out" && \
	diff -r -q --exclude=fonts --exclude=help --exclude=help.qrc "$$out" assets && echo "assets: the generator writes the committed bytes"
