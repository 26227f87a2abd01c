#!/usr/bin/env bash
# Sets Tolva up (packages and build) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
