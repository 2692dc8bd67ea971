#!/usr/bin/env bash
# Builds the Debian packages quenra_<version>_<arch>.deb and quenra-demo-server_<version>_<arch>.deb
# into packages/ and checks them with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEP_TESTS=OFF -DZEP_BENCH=OFF >/dev/null
cmake --build build-package -j2
cpack --config build-package/CPackConfig.cmake -B packages >/dev/null
rm -rf packages/_CPack_Packages
lintian packages/*.deb
ls packages/*.deb
