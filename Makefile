# The two commands: `make run` and `make test`. Both install what is missing and build first.
BUILD_DIR := build
DIST_DIR := $(BUILD_DIR)/dist

.PHONY: all deps configure build run test bench clean

# The sanitizer build lives beside the normal one; `make fuzz` runs each fuzz target this long.
SANITIZE_DIR := build-sanitize
FUZZ_SECONDS ?= 60

# $(call fresh_build_type,DIR,TYPE): the option that sets TYPE when DIR has not been configured yet.
fresh_build_type = $(if $(wildcard $(1)/CMakeCache.txt),,-DCMAKE_BUILD_TYPE=$(2))

all: build

deps:
	@scripts/install-deps.sh

# A fresh tree is configured for Release; an existing one keeps the build type it was given.
configure: deps
	cmake -S . -B $(BUILD_DIR) $(call fresh_build_type,$(BUILD_DIR),Release)

build: configure
	cmake --build $(BUILD_DIR) -j2

run: build
	@if [ -x $(DIST_DIR)/Tessiva ]; then \
		[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || echo "No display found: the game needs an X11 or Wayland session."; \
		cd $(DIST_DIR) && ./Tessiva; status=$$?; \
		[ $$status -eq 0 ] || [ $$status -eq 1 ] || exit $$status; \
	else \
		echo "Built into $(DIST_DIR):"; ls $(DIST_DIR); \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

bench: build
	@for b in $(BUILD_DIR)/bench/*/bench_*; do if [ -x $$b ]; then $$b || exit 1; fi; done

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)

# Every test again, built with clang under AddressSanitizer, leak detection and
# UndefinedBehaviorSanitizer; the same build holds the fuzz targets.
.PHONY: configure-sanitize test-sanitize fuzz
configure-sanitize:
	@scripts/install-deps.sh sanitize
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) $(call fresh_build_type,$(SANITIZE_DIR),RelWithDebInfo) \
		-DTESSIVA_SANITIZE=ON

test-sanitize: configure-sanitize
	cmake --build $(SANITIZE_DIR) -j2
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j2

fuzz: configure-sanitize
	cmake --build $(SANITIZE_DIR) -j2 --target fuzz_targets theme_art
	tests/fuzz/run-fuzzers.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

# Installing: the program folder goes to $(PREFIX)/lib/tessiva/, links to its programs to
# $(PREFIX)/bin/, desktop entries, icons and metainfo to $(PREFIX)/share/; DESTDIR is honoured.
# uninstall, given the same DESTDIR, removes exactly what the last install from this build tree
# put in place (its manifest); package builds the Debian package $(BUILD_DIR)/tessiva_<version>_amd64.deb.
PREFIX ?= /usr/local
.PHONY: install uninstall package

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" cmake -DMANIFEST=$(BUILD_DIR)/install_manifest.txt -P cmake/Uninstall.cmake

package: build
	cd $(BUILD_DIR) && cpack -G DEB
