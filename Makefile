# Two commands do the whole set-up: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2
MAKEFLAGS += --no-print-directory
EXAMPLE ?= examples/formula.csv
# A short iteration limit per pass, so the example shows passes building on
# the variables that earlier passes appended.
EXAMPLE_ARGS ?= -i300

.PHONY: all deps configure build run test bench sanitize clean

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

bench: build
	./$(BUILD_DIR)/bench/gepfit_bench

# The whole test suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run.
SANITIZE_DIR ?= build-sanitize
sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Release \
	  -DGEPFIT_SANITIZE=ON -DGEPFIT_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
