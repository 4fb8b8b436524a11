# The two commands of the README: `make run` and `make test`. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean

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

clean:
	rm -rf build
