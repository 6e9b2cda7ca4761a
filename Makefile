# Zelpo: `make run` builds and starts the program; `make test` builds with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole suite.

BUILD      ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
JOBS       ?= $(shell nproc)
DATABASE   := $(BUILD)/bin/ナンバーズ.mdb

.PHONY: run build test bench setup clean

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
	cd $(TEST_BUILD) && ctest --output-on-failure

bench: setup
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZELPO_TESTS=OFF -DZELPO_BENCHMARKS=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(BENCH_BUILD)/bin/zelpo_benchmarks

clean:
	rm -rf $(TEST_BUILD) $(BENCH_BUILD)
	@echo "$(BUILD) is kept: it holds the program and its database."
