#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds Velmora, runs every test and the performance
# check, checks the package, then runs the unit tests again under the address and
# undefined-behaviour sanitizers and each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

velmora_install_packages
velmora_build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
# Start-up in instructions and the window's actions in CPU time, against their limits.
tools/check-performance.sh
# The Debian package: its files, its menu entry and the unpacked program starting.
tools/check-package.sh
tools/run-sanitized-tests.sh
tools/run-fuzz.sh
