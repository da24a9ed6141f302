# The two commands a newcomer needs:
#   make run    installs what is missing, builds (Release) and starts Tessaly
#   make test   installs what is missing, builds with the address and undefined-behaviour
#               sanitizers and runs every test through CTest
# and one to hand the program out:
#   make package  builds build-package/tessaly_<version>_<arch>.deb
# and a long run for robustness:
#   make soak     100,000 random user actions on the sanitizer build (TESSALY_MONKEY_SEED picks the stream)
# and the thread sanitizer over the tests that run threads (printing) and the screens:
#   make tsan     the unit, printing, screen and robustness tests on a ThreadSanitizer build in build-tsan/
# and the performance figures:
#   make bench    start-up against the floor program (instructions, wall time, memory) and
#                 every screen change timed, on a Release build in build-bench/
# For Windows (not needed for the two above):
#   make windows        dist/tessaly-windows-x86_64.zip, cross-built with a static Qt that the
#                       first run builds and caches (35-45 minutes, once)
#   make test-windows   the test programs and the program itself under Wine
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
PACKAGE_BUILD_DIR ?= build-package
BENCH_BUILD_DIR ?= build-bench
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build bootstrap package soak tsan bench clean windows test-windows

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/tessaly

test:
	@scripts/bootstrap test
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_BUILD_TESTS=ON -DTESSALY_SANITIZE=ON -DTESSALY_WERROR=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

package:
	@scripts/bootstrap package
	cmake -S . -B $(PACKAGE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF
	cmake --build $(PACKAGE_BUILD_DIR) -j $(JOBS) --target package

soak:
	@scripts/bootstrap test
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALY_BUILD_TESTS=ON -DTESSALY_SANITIZE=ON -DTESSALY_WERROR=ON
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS) --target robustness_tests
	QT_QPA_PLATFORM=offscreen TESSALY_MONKEY_ACTIONS=100000 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  $(TEST_BUILD_DIR)/tests/robustness/robustness_tests --gtest_filter=Monkey.*

tsan:
	@scripts/bootstrap test
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)
	# Qt itself is not instrumented: what it does inside its own code is not judged (its locks
	# are futexes the sanitizer cannot see). The tests run pdftotext and the like after threads
	# have started.
	cd build-tsan && TSAN_OPTIONS="halt_on_error=1 ignore_noninstrumented_modules=1 die_after_fork=0" \
	  ctest -j $(JOBS) --output-on-failure -LE "e2e|install" -E "^command_line"

bench:
	@scripts/bootstrap bench
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	bench/run $(BENCH_BUILD_DIR)

windows:
	scripts/build-windows

test-windows:
	scripts/test-windows

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(PACKAGE_BUILD_DIR) $(BENCH_BUILD_DIR) build-tsan build-win dist
