#!/usr/bin/env bash
# Sets up a fresh machine, builds both architectures and the native checks,
# and runs every test. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

install_packages
echo "== building i686 (the product)"
build_windows i686 -DQOR_BUILD_TESTS=OFF
echo "== building x86_64 (the tested build)"
build_windows x86_64 -DQOR_PRODUCT_DIR="$BUILD/i686/bin"
echo "== building the native checks"
build_native

prepare_wine null
trap stop_wine EXIT
echo "== tests under Wine"
ctest --test-dir "$BUILD/x86_64" --output-on-failure
echo "== native tests (sanitizers) and fuzzing"
ctest --test-dir "$BUILD/native" --output-on-failure
echo "== all tests passed"
