#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds Velmora and makes its Debian package in
# build/package/. Prints the package's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

# dpkg-shlibdeps (dpkg-dev) and file find the libraries the program links against.
VELMORA_PACKAGES+=(dpkg-dev file)
# Only the package's path goes to standard output; everything else is progress.
velmora_install_packages >&2
velmora_build velmora >&2
rm -rf build/package
cpack --config build/CPackConfig.cmake -B build/package >&2
rm -rf build/package/_CPack_Packages
ls build/package/velmora_*.deb
