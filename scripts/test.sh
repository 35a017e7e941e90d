#!/usr/bin/env bash
# Sets up a fresh machine, builds both architectures and the native checks,
# and runs every test. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

# Each phase's heading carries the seconds spent so far.
phase() {
    echo "== [${SECONDS}s] $*"
}

install_packages
phase "building i686 (the product)"
build_windows i686 -DQOR_BUILD_TESTS=OFF
phase "packaging the release"
package_release i686
phase "building x86_64 (the tested build)"
build_windows x86_64 -DQOR_PRODUCT_DIR="$BUILD/i686/bin"
phase "building the native checks"
build_native

prepare_wine null
trap stop_wine EXIT
phase "tests under Wine"
ctest --test-dir "$BUILD/x86_64" --output-on-failure
phase "native tests (sanitizers) and fuzzing"
ctest --test-dir "$BUILD/native" --output-on-failure
phase "all tests passed"
