# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` and `make test`. Both install what is missing and build first.
# The release preset's tree (CMakePresets.json); install, uninstall and package also take another
# configured tree as BUILD_DIR=...
BUILD_DIR := build
DIST_DIR := $(BUILD_DIR)/dist

.PHONY: all deps configure build run test bench clean format check-format

# The sanitizer preset's tree lives beside the normal one; `make fuzz` runs each fuzz target this long.
SANITIZE_DIR := build-sanitize
FUZZ_SECONDS ?= 60

# $(call configure_tree,DIR,PRESET): a fresh DIR is configured from the preset of CMakePresets.json;
# an existing one is only refreshed, so it keeps the build type and compiler it was given.
configure_tree = $(if $(wildcard $(1)/CMakeCache.txt),cmake -S . -B $(1),cmake --preset $(2))

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	$(call configure_tree,$(BUILD_DIR),release)

build: configure
	cmake --build --preset release

run: build
	@if [ -x $(DIST_DIR)/Tessiva ]; then \
		[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || echo "No display found: the game needs an X11 or Wayland session."; \
		cd $(DIST_DIR) && ./Tessiva; status=$$?; \
		[ $$status -eq 0 ] || [ $$status -eq 1 ] || exit $$status; \
	else \
		echo "Built into $(DIST_DIR):"; ls $(DIST_DIR); \
	fi

test: build
	ctest --preset release

bench: build
	@for b in $(BUILD_DIR)/bench/*/bench_*; do if [ -x $$b ]; then $$b || exit 1; fi; done

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)

# The C++ files laid out by .clang-format, and every source, script and build file with its
# licence line: check-format fails on a file that is not, format makes it so.
check-format:
	@scripts/install-deps.sh format
	@scripts/check-format.sh

format:
	@scripts/install-deps.sh format
	@scripts/check-format.sh --fix

# Every test again, built with clang under AddressSanitizer, leak detection and
# UndefinedBehaviorSanitizer; the same build holds the fuzz targets.
.PHONY: configure-sanitize test-sanitize fuzz
configure-sanitize:
	@scripts/install-deps.sh sanitize
	$(call configure_tree,$(SANITIZE_DIR),sanitize)

test-sanitize: configure-sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz: configure-sanitize
	cmake --build --preset sanitize --target fuzz_targets theme_art
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
