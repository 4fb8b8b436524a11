# The two commands of the README: `make run` and `make test`. Both install what is missing first.
# `make bench` builds and runs the speed and memory measurements, which `make test` leaves alone.
# `make package` builds the Debian package of the game, to install with apt or dpkg; `make package-check` builds it
# and has lintian judge it.
# `make assets` redraws every picture and sound into assets/; `make assets-check` redraws them elsewhere and
# compares the bytes with those in assets/.
JOBS ?= $(shell nproc)
ASSETGEN := build/tools/assetgen

.PHONY: run test test-asan bench build deps configure clean assets assets-check assetgen fuzz package package-check

run: build
	./build/tomelor

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS)

# Every test once more, built in build-asan with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer;
# the first finding fails its test. Suppressions of what lies in Qt and the system libraries: tests/sanitizers/.
test-asan: deps
	@test -f build-asan/CMakeCache.txt || cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The Google Benchmark programs take their median of five runs; bench_process starts fresh processes. With DISPLAY
# set they measure on that X server, otherwise on Qt's offscreen platform.
BENCH_FLAGS ?= --benchmark_repetitions=5 --benchmark_display_aggregates_only=true

bench: configure
	cmake --build --preset default --target bench_lcd99 bench_game bench_scores bench_process bench_sound -j $(JOBS)
	./build/bench/bench_lcd99 $(BENCH_FLAGS)
	./build/bench/bench_game $(BENCH_FLAGS)
	./build/bench/bench_scores $(BENCH_FLAGS)
	./build/bench/bench_process
	./build/bench/bench_sound

# A Debian package of what `cmake --install` puts in place, from a release build of its own in build-package/
# (the program in /usr/games), written there.
package: deps
	@test -f build-package/CMakeCache.txt || cmake --preset package
	cmake --build --preset package --target package -j $(JOBS)

# lintian's verdict on the package: any error or warning fails. The package's version is the one dist/changelog
# gives.
DEB_VERSION = $(shell dpkg-parsechangelog -l dist/changelog -S Version)
DEB = build-package/tomelor_$(DEB_VERSION)_$(shell dpkg --print-architecture).deb

package-check: package
	@test -f $(DEB) || { echo "make package-check: no $(DEB): the package's version is not $(DEB_VERSION)"; exit 1; }
	lintian --fail-on error,warning --info --display-info $(DEB)

build: configure
	cmake --build --preset default -j $(JOBS)

configure: deps
	@test -f build/CMakeCache.txt || cmake --preset default

deps:
	@scripts/install-deps

# The fuzz target of the settings file's reader and writer, in a build folder of its own, run for FUZZ_SECONDS.
# It needs clang's libFuzzer and is no part of `make test`.
FUZZ_SECONDS ?= 60

fuzz: deps
	@if ! command -v clang++ >/dev/null; then echo "make fuzz: clang++ is not installed, so there is no fuzzing."; \
	elif ! printf 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' \
		| clang++ -x c++ -fsanitize=fuzzer,address,undefined -o /dev/null - 2>/dev/null; then \
		echo "make fuzz: clang++ has no libFuzzer runtime (Debian's libclang-rt-dev), so there is no fuzzing."; \
	else \
		set -e; \
		test -f build-fuzz/CMakeCache.txt || CXX=clang++ cmake -S fuzz -B build-fuzz; \
		cmake --build build-fuzz -j $(JOBS); \
		mkdir -p build-fuzz/corpus; \
		./build-fuzz/fuzz_profiletext -max_total_time=$(FUZZ_SECONDS) -dict=build-fuzz/profile.dict \
			-artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/seeds; \
	fi

clean:
	rm -rf build build-asan build-fuzz build-package

assetgen: deps
	@test -f build/tools/CMakeCache.txt || cmake -S tools -B build/tools
	cmake --build build/tools -j $(JOBS)

assets: assetgen
	$(ASSETGEN) assets/fonts assets

assets-check: assetgen
	@out=$$(mktemp -d) && trap 'rm -rf "$$out"' EXIT && \
	$(ASSETGEN) assets/fonts "$$out" && \
	diff -r -q --exclude=fonts --exclude=help --exclude=help.qrc "$$out" assets && echo "assets: the generator writes the committed bytes"
