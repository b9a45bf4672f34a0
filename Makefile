# Norvane: one-command set-up on Debian/Ubuntu.
#   make run   installs what is missing, builds, starts the editor
#   make test  installs what is missing, builds, runs every test (plain, sanitized, fuzzed)
#   make package  builds the Debian package (build/norvane_1.0_amd64.deb)

JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
BUILD   ?= build
ASAN    ?= build-asan
FUZZ    ?= build-fuzz
COVER   ?= build-coverage
FUZZ_SECONDS ?= 60
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake g++ make clang libclang-rt-14-dev qt6-base-dev libgl1-mesa-dev libgtest-dev \
            libgmock-dev libbenchmark-dev view3dscene xvfb xauth locales clang-format \
            shared-mime-info desktop-file-utils gcovr \
            qt6-declarative-dev qt6-quick3d-dev qt6-shadertools-dev qml6-module-quick3d \
            qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript \
            libgl1-mesa-dri libglx-mesa0 npm chromium libxml2-utils nlohmann-json3-dev \
            libfreetype-dev zlib1g-dev fonts-dejavu-core \
            scdoc librsvg2-bin appstream dpkg-dev lintian file man-db \
            qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
CMAKE_FLAGS ?= -DNORVANE_WERROR=ON

.PHONY: all deps locale build run package test test-plain test-asan fuzz bench coverage ratio format format-check clean

all: build

# A nodejs that brings its own npm (and conflicts with Debian's) counts as having npm.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || \
	    { [ "$$p" = npm ] && command -v npm >/dev/null; } || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi
	@$(MAKE) --no-print-directory locale

# The number-form tests switch to a comma-decimal locale, and the window is tested in German:
# make sure de_DE.UTF-8 exists.
locale:
	@if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$'; then \
	  $(SUDO) sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen; \
	  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $(SUDO) tee -a /etc/locale.gen >/dev/null; \
	  $(SUDO) locale-gen; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/app/norvane

# The Debian package of the build, build/norvane_<version>_<arch>.deb, installing under /usr.
package: build
	cd $(BUILD) && cpack -G DEB

test: format-check test-plain test-asan fuzz

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DNORVANE_SANITIZE=ON -DNORVANE_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVANE_FUZZ=ON \
	  -DNORVANE_BUILD_APP=OFF -DNORVANE_BUILD_TESTS=OFF -DNORVANE_BUILD_BENCH=OFF -DNORVANE_WEB=OFF \
	  $(CMAKE_FLAGS)
	cmake --build $(FUZZ) -j $(JOBS)
	mkdir -p $(FUZZ)/corpus && cp -n tests/data/fuzz-seeds/* $(FUZZ)/corpus/ 2>/dev/null || true
	$(FUZZ)/fuzz/scene_reader_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 $(FUZZ)/corpus

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DNORVANE_BUILD_TESTS=OFF -DNORVANE_BUILD_APP=ON
	cmake --build build-bench -j $(JOBS)
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" ./build-bench/bench/norvane_bench

# Line and branch coverage of src/ by the whole test suite (gcov through gcovr).
coverage: deps
	cmake -S . -B $(COVER) -DCMAKE_BUILD_TYPE=Debug -DNORVANE_COVERAGE=ON -DNORVANE_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(COVER) -j $(JOBS)
	find $(COVER) -name '*.gcda' -delete
	cd $(COVER) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure
	gcovr -r . --object-directory $(COVER) --filter 'src/' --exclude-throw-branches \
	  --exclude-unreachable-branches --print-summary --txt $(COVER)/coverage.txt
	@$(MAKE) --no-print-directory ratio

# Size of the test suite against the code: non-blank lines of tests/ (C++, JavaScript and QML
# sources, fixtures included) over src/ and tools/. It stays between 0.25 and 0.35.
ratio:
	@t=$$(git ls-files 'tests/*.cpp' 'tests/*.h' 'tests/*.js' 'tests/*.qml' | xargs cat | grep -cv '^[[:space:]]*$$'); \
	c=$$(git ls-files 'src/*.cpp' 'src/*.h' 'src/*.qml' 'tools/*.cpp' 'tools/*.h' | xargs cat | grep -cv '^[[:space:]]*$$'); \
	awk -v t=$$t -v c=$$c 'BEGIN { printf "tests %d lines, code %d lines, ratio %.3f\n", t, c, t / c }'

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ) $(COVER) build-bench
