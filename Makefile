# SPDX-License-Identifier: MIT
# `make run` and `make test`, which the README's two commands (scripts/run.sh,
# scripts/test.sh) call once they have installed make and the rest.
BUILD_DIR ?= build
SAN_DIR ?= build-sanitize
PKG_DIR ?= build-package
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build translations bench install uninstall package sanitize thread memcheck clean

run: build
	$(BUILD_DIR)/ui/tessaly

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

deps:
	scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Refreshes translations/*.ts from the sources with lupdate: new texts come in
# unfinished, vanished ones go. Translate them in Qt Linguist (linguist) or
# any text editor; the translations test names what is still missing.
translations: configure
	cmake --build $(BUILD_DIR) --target update_translations

# The program, its menu entry, metadata, icons and manual page under PREFIX:
# `make install PREFIX=$$HOME/.local`, or `sudo make install` for /usr/local.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes the files of the last `make install`, as CMake listed them.
uninstall:
	xargs -d '\n' rm -f -- < $(BUILD_DIR)/install_manifest.txt

# The Debian package for the release this machine runs:
# $(PKG_DIR)/tessaly_<version>~deb<release>u<build>_amd64.deb.
package: deps
	JOBS=$(JOBS) scripts/build-package.sh $(PKG_DIR)
# Every performance figure of the README: Tessaly beside the bare Qt floor.
bench: build
	bench/run.sh $(BUILD_DIR)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_BENCH=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp" \
		ctest --output-on-failure -j $(JOBS)

# Exit pressed within milliseconds of the first Print, many times, under
# ThreadSanitizer (the print service's conversation runs on its own thread).
TSAN_DIR ?= build-tsan
thread: deps
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=thread -DTESSALY_BUILD_BENCH=OFF
	cmake --build $(TSAN_DIR) -j $(JOBS) --target exit_during_print tessaly_cups_plugin
	TSAN_OPTIONS="exitcode=66 suppressions=$(CURDIR)/tests/print/tsan.supp" \
		bash tests/print/exit_during_print_test.sh $(TSAN_DIR)/tests/print/exit_during_print \
		tests/print/private_cups.sh 60

# The engine tests under valgrind: no memory errors, no definite leaks.
memcheck: build
	for test in $(BUILD_DIR)/tests/*_test; do \
		echo "memcheck: $$test"; \
		TESSALY_RUNS=60 valgrind -q --error-exitcode=1 --leak-check=full \
			--errors-for-leak-kinds=definite $$test --gtest_brief=1 || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR) $(TSAN_DIR) $(PKG_DIR)
