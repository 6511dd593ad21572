# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
SAN_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build bench sanitize memcheck clean

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

# Every performance figure of the README: Tessaly beside the bare Qt floor.
bench: build
	bench/run.sh $(BUILD_DIR)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_BENCH=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ctest --output-on-failure -j $(JOBS)

# The engine tests under valgrind: no memory errors, no definite leaks.
memcheck: build
	for test in $(BUILD_DIR)/tests/*_test; do \
		echo "memcheck: $$test"; \
		TESSALY_RUNS=60 valgrind -q --error-exitcode=1 --leak-check=full \
			--errors-for-leak-kinds=definite $$test --gtest_brief=1 || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR)
