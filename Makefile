# The two commands a newcomer needs:
#   make run    installs what is missing, builds (Release) and starts Tessaly
#   make test   installs what is missing, builds with the address and undefined-behaviour
#               sanitizers and runs every test through CTest
# For Windows (not needed for the two above):
#   make windows        dist/tessaly-windows-x86_64.zip, cross-built with a static Qt that the
#                       first run builds and caches (35-45 minutes, once)
#   make test-windows   the test programs and the program itself under Wine
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build bootstrap clean windows test-windows

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/tessaly

test: bootstrap
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_BUILD_TESTS=ON -DTESSALY_SANITIZE=ON -DTESSALY_WERROR=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

windows:
	scripts/build-windows

test-windows:
	scripts/test-windows

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) build-win dist
