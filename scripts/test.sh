#!/usr/bin/env bash
# Builds and runs the whole test suite with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
# LibreOffice Calc computes the workbooks the program writes, as a user's spreadsheet would.
bash scripts/install-deps.sh libreoffice-calc
bash scripts/build.sh
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --label-exclude long
