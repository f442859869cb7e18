# Quillmere: the two commands of README.md.
#   make run   install what is missing, build, start the game
#   make test  install what is missing, build, run every test headless

BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
JOBS      ?= $(shell nproc)

.PHONY: all deps build run test test-unit test-asan editor fuzz clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY is not set); start Quillmere from a desktop session or under Xvfb."; \
	  exit 1; \
	fi
	cd $(BUILD_DIR)/bin && ./Quillmere

editor: build
	cd $(BUILD_DIR)/bin && ./QuillEd

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
