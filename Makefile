# Zelpo: `make run` builds and starts the program; `make test` builds with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole suite.

BUILD      ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
PACKAGE_BUILD ?= build-package
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
DATABASE   := $(BUILD)/bin/ナンバーズ.mdb

.PHONY: run build test bench-build bench package fuzz setup clean screenshots

setup:
	./scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZELPO_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)
	@if [ ! -e "$(DATABASE)" ]; then $(BUILD)/bin/zelpo-cli init "$(DATABASE)"; fi

run: build
	$(BUILD)/bin/zelpo

test: setup
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZELPO_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

# The benchmarks built (CI does this much, so that they keep compiling), then run.
bench-build: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZELPO_TESTS=OFF -DZELPO_BENCHMARKS=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)

bench: bench-build
	$(BENCH_BUILD)/bin/zelpo_benchmarks

# A Debian package of the program in $(PACKAGE_BUILD)/: apt install ./$(PACKAGE_BUILD)/zelpo_*.deb
package: setup
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DZELPO_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls $(PACKAGE_BUILD)/zelpo_*.deb

# The manual's pictures, from the program in $(BUILD) (its database is left alone).
screenshots:
	./scripts/screenshots.sh $(BUILD)

# The fuzz targets (clang, libFuzzer) for FUZZ_SECONDS each; not part of CI.
fuzz: setup
	./scripts/setup.sh --fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZELPO_FUZZ=ON -DZELPO_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target zelpo_fuzz_csv zelpo_fuzz_statements zelpo_fuzz_database \
		zelpo_fuzz_feed zelpo_fuzz_official zelpo_fuzz_onefile
	./scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(TEST_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD)
	@echo "$(BUILD) is kept: it holds the program and its database."
