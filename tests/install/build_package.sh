#!/usr/bin/env bash
# Builds the .deb as `make package` does, in a release build of its own beside it (the test
# build has the sanitizers in it), checks it with lintian, and checks that it asks for nothing
# a user's machine does not need.
#   build_package.sh SOURCE_DIR BUILD_DIR/PACKAGE.deb
set -euo pipefail
package=$2
build=$(dirname "$package")
cmake -S "$1" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target package

# Debian's own checks of a package: files in their places, copyright and changelog, ...
lintian --fail-on error,warning "$package"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
names=$(sed 's/([^)]*)//g; s/[,|]/\n/g; s/ //g' <<<"$depends")
# Headers, compilers, sanitizer runtimes and test tools belong on a developer's machine only.
if unwanted=$(grep -E -- '-dev$|^(gcc|g\+\+|cpp|clang|cmake|ninja)|asan|ubsan|gtest|gmock|xvfb|xdotool' <<<"$names"); then
  echo "FAIL the package depends on" $unwanted
  exit 1
fi
