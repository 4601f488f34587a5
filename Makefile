# Entry points: `make run` starts the window, `make test` runs every test, `make package` builds the Debian
# package. Each installs what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build test run package bench test-asan fuzz screenshot clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The window writes PLL.txt, LastConfig.cfg and saved configurations into its working folder: work/, not
# among the sources.
RUN_DIR ?= work
run: build
	@if [ -x $(BUILD)/src/app/kelvane ]; then mkdir -p $(RUN_DIR) && cd $(RUN_DIR) && \
	  exec $(abspath $(BUILD))/src/app/kelvane; \
	else echo "The Kelvane window is not built yet."; exit 1; fi

# kelvane_<version>_<arch>.deb in the checkout, installed with `apt install ./kelvane_*.deb`.
package: build
	rm -rf $(BUILD)/package
	cpack -G DEB --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
	cp $(BUILD)/package/kelvane_*.deb .

bench: build
	@for b in $(BUILD)/benchmarks/bench_*; do [ -x "$$b" ] && "$$b"; done

# The window's tests stay out: Qt's own start-up allocations would drown real leak reports. So does the
# Python module: an uninstrumented interpreter cannot load an instrumented extension (the batch session
# under it is tested from C++).
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON \
	  -DKELVANE_GUI=OFF -DKELVANE_BENCHMARKS=OFF -DKELVANE_PYTHON=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Each target runs FUZZ_SECONDS on a copy of its corpus; see scripts/fuzz.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKELVANE_FUZZ=ON \
	  -DKELVANE_GUI=OFF -DKELVANE_TESTS=OFF -DKELVANE_BENCHMARKS=OFF -DKELVANE_PYTHON=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_numbers fuzz_config fuzz_polar fuzz_project
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz

screenshot: build
	BUILD=$(BUILD) scripts/screenshot

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
