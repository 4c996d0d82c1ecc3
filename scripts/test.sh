#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test,
# validates the installed desktop entry and software-centre metadata, holds the
# Debian package to lintian (no errors, no warnings), then runs the suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANTIX_WERROR=ON
cmake --build build-test --parallel
ctest --test-dir build-test --output-on-failure

rm -rf build-test/stage
cmake --install build-test --prefix build-test/stage >/dev/null
desktop-file-validate build-test/stage/share/applications/com.example.dorvantix.desktop
appstreamcli validate --no-net build-test/stage/share/metainfo/com.example.dorvantix.metainfo.xml

rm -f build-test/dorvantix_*.deb
(cd build-test && cpack -G DEB >/dev/null)
lintian --fail-on error,warning build-test/dorvantix_*.deb

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDORVANTIX_WERROR=ON -DDORVANTIX_SANITIZE=ON
cmake --build build-sanitize --parallel
ctest --test-dir build-sanitize --output-on-failure
