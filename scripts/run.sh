#!/usr/bin/env bash
# Builds Zelmora and starts it in a folder that holds its help page and pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ensure_packages $BUILD_PACKAGES
cmake -S . -B build -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"
cd build/share/zelmora
exec ../../zelmora "$@"
