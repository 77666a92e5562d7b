# Two commands do the whole set-up: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2
MAKEFLAGS += --no-print-directory
EXAMPLE ?= examples/formula.csv
# A short iteration limit per pass, so the example shows passes building on
# the variables that earlier passes appended.
EXAMPLE_ARGS ?= -i300

.PHONY: all deps configure build run test bench sanitize fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/gepfit $(EXAMPLE_ARGS) $(EXAMPLE) $(BUILD_DIR)/formula.key

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Fitness evaluation per generation (reference tree walk against the fast
# path), a whole pass and loading; ends with the reference / fast ratios.
# Two-thread figures need an otherwise idle machine.
bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target gepfit_bench
	./$(BUILD_DIR)/bench/gepfit_bench

# The whole test suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
SANITIZE_DIR ?= build-sanitize
sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Release \
	  -DGEPFIT_SANITIZE=ON -DGEPFIT_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, starting from the corpus in fuzz/corpus
# (copied, so the repository's corpus stays small).
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= options loader karva key_file
fuzz:
	@scripts/install-deps.sh fuzz
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_COMPILER=clang++ -DGEPFIT_BUILD_FUZZ=ON \
	  -DGEPFIT_BUILD_TESTS=OFF -DGEPFIT_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) \
	  --target $(addsuffix _fuzz,$(FUZZ_TARGETS))
	@for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$target && \
	  cp fuzz/corpus/$$target/* $(FUZZ_DIR)/corpus/$$target/ && \
	  ./$(FUZZ_DIR)/fuzz/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 $(FUZZ_DIR)/corpus/$$target || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
