# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Pantrova developers
# The two commands a new user needs: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
# Make's "Entering directory" lines, from the makefiles CMake generates, say nothing a user needs.
MAKEFLAGS += --no-print-directory

.PHONY: deps configure build program run test clean bench fuzz test-sanitize lint-licences

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The program alone (with its library; the template comes with configuring): all `make run` needs.
program: configure
	@cmake --build $(BUILD) -j$(JOBS) --target pantrova varnetocx

run: program
	./$(BUILD)/bin/pantrova

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The data of `make run` lives in $(BUILD)/bin: Pantrova.dat and its copies are kept, and said so.
clean:
	@kept="$(BUILD)-kept-data"; rm -rf "$$kept"; mkdir -p "$$kept"; \
	for f in $(BUILD)/bin/Pantrova.dat $(BUILD)/bin/Pantrova.dat.*; do [ -e "$$f" ] && mv "$$f" "$$kept/"; done; \
	rm -rf $(BUILD); \
	if [ -n "$$(ls -A "$$kept")" ]; then mkdir -p $(BUILD)/bin && mv "$$kept"/* $(BUILD)/bin/ && \
		echo "Removed the build; kept your data in $(BUILD)/bin:" $$(ls $(BUILD)/bin); fi; \
	rmdir "$$kept"

# `make bench`: the benchmarks and their summary table (bench/RESULTS.md), in an optimised build of their own.
BENCH_BUILD ?= build-bench
bench:
	@bash scripts/install-deps.sh bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DPANTROVA_BUILD_BENCH=ON -DPANTROVA_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS) --target pantrova_bench
	./$(BENCH_BUILD)/bin/pantrova_bench $(BENCH_ARGS)
	@bash scripts/bench-processes.sh $(BENCH_BUILD)

# `make test-sanitize`: the whole suite under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPANTROVA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

# `make fuzz`: every libFuzzer target for FUZZ_SECONDS each, starting from the seeds in fuzz/corpus/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = data_file ini_file text csv
fuzz:
	@bash scripts/install-deps.sh fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANTROVA_BUILD_FUZZ=ON \
		-DPANTROVA_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# `make install`: the program folder (PREFIX, one the user can write to, since the data file lives in it) and its
# entry in the application menu. `make uninstall` takes both away again but keeps Pantrova.dat and its copies.
# `make package`: the same folder as a tarball, built with CPack in the build folder.
PREFIX ?= $(HOME)/.local/opt/pantrova
.PHONY: install uninstall package deb
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	"$(PREFIX)/pantrova-setup.sh" register

uninstall:
	@if [ -x "$(PREFIX)/pantrova-setup.sh" ]; then "$(PREFIX)/pantrova-setup.sh" uninstall; \
	else echo "Pantrova is not installed in $(PREFIX)"; fi

package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

# `make deb`: the Debian package (pantrova_<version>_<arch>.deb in $(BUILD)/deb-package), checked with lintian,
# appstreamcli and desktop-file-validate. `sudo apt install ./$(BUILD)/deb-package/pantrova_*.deb` installs it.
deb: build
	@bash scripts/install-deps.sh deb
	@rm -f $(BUILD)/deb-package/pantrova_*.deb
	cd $(BUILD) && cpack -G DEB -B deb-package >/dev/null
	@bash scripts/check-deb.sh $(BUILD)/deb-package/pantrova_*.deb
	@ls $(BUILD)/deb-package/pantrova_*.deb

# `make lint-licences`: every file says its licence and copyright, in a header or in .reuse/dep5 (REUSE).
lint-licences:
	@bash scripts/install-deps.sh reuse
	reuse lint
