# Kestrel — one-command set-up, build, run and test on Debian 12.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

# Debian packages the build and the tests need; `deps` installs whichever are missing.
PACKAGES = cmake g++ ninja-build pkg-config clang-format \
           qt6-base-dev qt6-multimedia-dev qt6-svg-dev \
           libgtest-dev libbenchmark-dev fonts-dejavu-core pulseaudio

# The C++ sources whose layout .clang-format keeps.
SOURCES = $(shell find game store platform ui tools tests bench assets -name '*.cpp' -o -name '*.h')

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run test test-asan format format-check bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/kestrel

# The rules engine's tests a second time under AddressSanitizer and UBSan (no Qt needed there).
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTREL_GAME_ONLY=ON \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

test-asan: $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Debian's clang-format decides the layout; a file that differs fails the test run.
format-check: | deps
	@clang-format --dry-run --Werror $(SOURCES) && echo "layout: every source file as .clang-format has it"

format: | deps
	clang-format -i $(SOURCES)

test: format-check build test-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/kestrel-bench
	$(BUILD)/kestrel-par

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
