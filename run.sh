#!/usr/bin/env bash
# Sets Tolva up (packages and build) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
exec ./build/app/tolva "$@"
