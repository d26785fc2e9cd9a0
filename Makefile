# The two set-up commands of the README: `make run` and `make check`.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_BENCH ?= build-bench
BUILD_FUZZ ?= build-fuzz
BUILD_PKG  ?= build-pkg
BUILD_WASM ?= build-wasm
BUILD_WEB  ?= build-web
WEB_PORT   ?= 8000
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps deps-web configure build run check check-asan check-web web run-web bench bench-web fuzz package clean format

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

# The page's load time, redraw time and transfer size in headless chromium.
bench-web: web
	node bench/seite.mjs

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

# The page: the core as WebAssembly, the page's TypeScript, a static folder $(BUILD_WEB).
deps-web:
	@scripts/install-deps web

web: deps-web
	NODE_PATH=/usr/share/nodejs emcmake cmake -S web -B $(BUILD_WASM) -DCMAKE_BUILD_TYPE=Release > /dev/null
	NODE_PATH=/usr/share/nodejs cmake --build $(BUILD_WASM) -j$(JOBS)
	cd web && node_modules/.bin/tsc -p . --outDir $(abspath $(BUILD_WASM))/js
	scripts/baue-seite $(BUILD_WASM) $(BUILD_WASM)/js $(BUILD_WEB)

run-web: web
	@echo "Verbundo im Browser: http://127.0.0.1:$(WEB_PORT)/  (beenden mit Strg+C)"
	cd $(BUILD_WEB) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The case transcripts against the WebAssembly build, then the page in chromium.
check-web: web
	node $(BUILD_WASM)/faelle.js
	cd web && VERBUNDO_SEITE=$(abspath $(BUILD_WEB)) node --test test/*.test.mjs

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH) $(BUILD_PKG) $(BUILD_WASM) $(BUILD_WEB)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
