# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
SAN_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build sanitize clean

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

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_BENCH=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR)
