# Quillmere: the two commands of README.md.
#   make run   install what is missing, build, start the game
#   make test  install what is missing, build, run every test headless,
#              then build again with AddressSanitizer and
#              UndefinedBehaviorSanitizer (build-asan) and run every suite
#              but the end-to-end ones there
#   make fuzz  build the libFuzzer targets with clang (build-fuzz) and run
#              each for FUZZ_SECONDS from its corpus in fuzz/corpus/
#   make install  install into PREFIX (default /usr/local; DESTDIR is honoured)
#   make package  build the Debian package and the portable .tar.gz in build/

BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
FUZZ_DIR  ?= build-fuzz
JOBS      ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX    ?= /usr/local

# Any sanitizer report fails the test that made it. Only reports that come
# from Qt or the system libraries are suppressed, each with its reason.
SANITIZER_SUPP := $(CURDIR)/tests/sanitizers
SANITIZER_ENV := \
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
  LSAN_OPTIONS=suppressions=$(SANITIZER_SUPP)/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$(SANITIZER_SUPP)/ubsan.supp

# Debug keeps Qt's own range checks (Q_ASSERT in its inline code); -O1 keeps
# it quick.
SANITIZED_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DQUILL_SANITIZE=ON -DQUILL_E2E=OFF

.PHONY: all deps build run test test-unit test-asan editor fuzz install package clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Without a display there is nothing to show the game on: the build is
# done, and the player is told how to start it, as a plain message.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY is not set); the game is built in $(BUILD_DIR)/bin."; \
	  echo "Start it from a desktop session, or under Xvfb: cd $(BUILD_DIR)/bin && ./Quillmere"; \
	else \
	  cd $(BUILD_DIR)/bin && ./Quillmere; \
	fi

editor: build
	cd $(BUILD_DIR)/bin && ./QuillEd

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-asan

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja $(SANITIZED_FLAGS)

test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest -LE e2e --output-on-failure -j $(JOBS)

$(FUZZ_DIR)/build.ninja: | deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 $(SANITIZED_FLAGS) \
	  -DQUILL_FUZZ=ON -DBUILD_TESTING=OFF

fuzz: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target quill_fuzzers
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run-fuzzers $(FUZZ_DIR)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
