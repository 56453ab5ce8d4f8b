# Two entry points for a fresh Debian 12 machine (as root): `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PACKAGES := $(shell grep -v '^\#' packages.txt)
FUZZ_SECONDS ?= 300

.PHONY: all deps build run test bench fuzz format format-check clean

all: build

# Installs only what is missing; apt-get update runs only when something must be installed.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLBOX_TESTS=ON -DQUILLBOX_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/quillbox

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/quillbox_bench
	./$(BUILD_DIR)/bench/quillbox_views_bench
	./$(BUILD_DIR)/bench/quillbox_calendar_bench
	sh bench/startup_render.sh $(BUILD_DIR)

# A coverage-guided campaign with clang, AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOX_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS) --target fuzz_records
	mkdir -p build-fuzz/corpus
	./build-fuzz/fuzz/fuzz_records -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus

FORMAT_FILES = find src tests bench fuzz tools -name '*.cpp' -o -name '*.h'

format:
	$(FORMAT_FILES) | xargs clang-format -i

# Fails when a file differs from what `make format` would make of it.
format-check: deps
	$(FORMAT_FILES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD_DIR) build-fuzz
