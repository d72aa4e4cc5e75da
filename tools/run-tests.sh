#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds Velmora and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

velmora_install_packages
velmora_build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
# The Debian package: its files, its menu entry and the unpacked program starting.
tools/check-package.sh
