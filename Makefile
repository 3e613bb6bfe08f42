# The two set-up commands: `make run` starts Kelvo, `make test` runs the tests.
# Both install missing Debian packages first, then configure and build.
# `make install PREFIX=...` (DESTDIR honoured) and `make package` (a .deb) build first as well.
PRESET ?= release
BUILD_DIR := build/$(PRESET)
PREFIX ?= /usr/local
# The package group scripts/install-deps installs: building and running, unless a target
# needs more (test, bench, fuzz set their own).
DEPS ?= run

.PHONY: run test build deps configure bench fuzz format clean install package

run: build
	./$(BUILD_DIR)/kelvo

test: DEPS = test
test: build
	ctest --preset $(PRESET) -j$$(nproc)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package: build
	cmake --build $(BUILD_DIR) --target package

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset $(PRESET)

deps:
	@scripts/install-deps $(DEPS)

bench:
	$(MAKE) build PRESET=bench DEPS=bench
	./build/bench/kelvo_bench
	bench/startup.sh

# FUZZ_SECONDS in all, shared among the targets (see fuzz/run.sh for long runs).
FUZZ_SECONDS ?= 60
fuzz: DEPS = fuzz
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
