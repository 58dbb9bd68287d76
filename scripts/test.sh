#!/usr/bin/env bash
# Sets up and builds, then runs every test; CTest ends with its summary.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --preset default
