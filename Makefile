# The two set-up commands of the README: `make run` and `make check`.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
BUILD_FUZZ ?= build-fuzz
BUILD_PKG  ?= build-pkg
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run check check-asan bench fuzz package clean format

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	cd assets && $(abspath $(BUILD))/src/app/verbundo

check: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

check-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVERBUNDO_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DVERBUNDO_BENCH=ON -DVERBUNDO_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_BENCH) -j$(JOBS)

# libFuzzer targets in $(BUILD_FUZZ)/fuzz: fuzz_leser (the .nz reader) and fuzz_ip.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVERBUNDO_FUZZ=ON -DVERBUNDO_GUI=OFF -DVERBUNDO_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_FUZZ) -j$(JOBS) --target fuzz_leser fuzz_ip

# The Debian package: $(BUILD_PKG)/verbundo_<version>_<arch>.deb
package: deps
	cmake -S . -B $(BUILD_PKG) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DVERBUNDO_TESTS=OFF -DVERBUNDO_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_PKG) -j$(JOBS)
	cd $(BUILD_PKG) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_PKG)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
