# The two commands of the README: `make run` and `make test`. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean fuzz

run: build
	./build/tomelor

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS)

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
	else \
		set -e; \
		test -f build-fuzz/CMakeCache.txt || CXX=clang++ cmake -S fuzz -B build-fuzz; \
		cmake --build build-fuzz -j $(JOBS); \
		mkdir -p build-fuzz/corpus; \
		./build-fuzz/fuzz_profiletext -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/profile.dict \
			-artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/seeds; \
	fi

clean:
	rm -rf build build-fuzz
