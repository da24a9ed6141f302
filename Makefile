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
#                 every screen change timed, on a Release build in build-bench/; then the
#                 Windows start-up under Wine against its floor, where the static Qt for
#                 Windows is built (make windows builds it)
# For Windows (not needed for the two above):
#   make windows        dist/tessaly-windows-x86_64.zip, cross-built with a static Qt that the
#                       first run builds and caches (35-45 minutes, once)
#   make test-windows   the test programs and the program itself under Wine
# The configurations themselves (directories, build types, sanitizers, warnings) are the
# presets in CMakePresets.json.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build bootstrap package soak tsan bench clean windows test-windows

bootstrap:
	@scripts/bootstrap

build: bootstrap
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	build/tessaly

test:
	@scripts/bootstrap test
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

package:
	@scripts/bootstrap package
	cmake --preset package
	cmake --build --preset package -j $(JOBS)

soak:
	@scripts/bootstrap test
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS) --target robustness_tests
	QT_QPA_PLATFORM=offscreen TESSALY_MONKEY_ACTIONS=100000 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  build-test/tests/robustness/robustness_tests --gtest_filter=Monkey.*

tsan:
	@scripts/bootstrap test
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)
	# The test preset's TSAN_OPTIONS: Qt itself is not instrumented, so what it does inside its
	# own code is not judged (its locks are futexes the sanitizer cannot see), and the tests run
	# pdftotext and the like after threads have started.
	ctest --preset tsan -j $(JOBS)

bench:
	@scripts/bootstrap bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	bench/run build-bench
	@scripts/bench-windows

windows:
	scripts/build-windows

test-windows:
	scripts/test-windows

clean:
	rm -rf build build-test build-package build-bench build-tsan build-win dist
