#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j2
# Every fuzz target over its committed corpus (skipped without clang); before the tests, so
# that the test runner's summary is the last thing said.
scripts/fuzz-regress.sh
export QTWEBENGINE_DISABLE_SANDBOX=1
scripts/with-desktop.sh ctest --test-dir build-test --output-on-failure -j2
