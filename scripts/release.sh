#!/usr/bin/env bash
# Builds the product, the 32-bit DLL, and writes its release package
# build/dist/qorthmcust-<version>-win32.zip (the DLL, the shipped settings,
# the theme folders they name, INSTALL.txt and SHA256SUMS).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

install_packages
build_windows i686 -DQOR_BUILD_TESTS=OFF
package_release i686
ls "$BUILD"/dist/qorthmcust-*-win32.zip
