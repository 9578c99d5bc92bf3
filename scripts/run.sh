#!/usr/bin/env bash
# Builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec "${BUILD_DIR:-build}/bin/talvertable"
