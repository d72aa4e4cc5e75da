#!/usr/bin/env bash
# Cross-builds the part of Debian's Qt that Velmora needs for Windows x86-64 (Core, Gui, Widgets,
# Test, the windows and offscreen platform plugins, the Windows style) and installs it into a
# cache outside the checkout, named after the Qt version and a hash of the configure options, so
# later runs reuse it. Prints the Qt folder on its last line.
#   build-qt.sh [cache folder]       (default /var/cache/velmora)
# The source comes from Debian's qt6-base source package of the host Qt's version, fetched with
# a private sources list and lists folder: the machine's apt configuration is left as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-/var/cache/velmora}

qt_version=$(dpkg-query -W -f '${Version}' qt6-base-dev-tools)
# Everything not needed is left out; the comments say why the rest is as it is.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    # Debian's source has no wintab headers.
    -DFEATURE_tabletevent=OFF
    # direct2d stays on (without it the windows plugin does not link in 6.4 and loses its
    # DirectWrite font engine); only the separate direct2d platform plugin is left out.
    -DFEATURE_direct2d1_1=OFF
    # The offscreen plugin, which the tests use, needs FreeType: Qt's own copy.
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_fontconfig=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
)
key=$( { printf '%s\n' "$qt_version" "${options[@]}"; cat "$here/mingw-w64-x86_64.cmake"; } \
       | sha256sum | cut -c1-12)
prefix="$cache/qt-${qt_version%%+*}-mingw64-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
echo "deb-src http://deb.debian.org/debian bookworm main" > "$work/apt/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
apt-get "${apt_options[@]}" update
(cd "$work" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$qt_version")
dpkg-source -x "$work"/qt6-base_*.dsc "$work/source"

# Qt's installed qt-cmake chain-loads this toolchain file by its path: it lives beside the Qt.
mkdir -p "$prefix"
cp "$here/mingw-w64-x86_64.cmake" "$prefix/mingw-w64-x86_64.cmake"
started=$(date +%s)
cmake -S "$work/source" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
cmake --build "$work/build" -j"$(nproc)"
cmake --install "$work/build"
# What a package that ships this Qt must carry: its licences, notices and where its source is.
"$here/collect-qt-notices.sh" "$work/source" "$prefix/licenses" "$qt_version"
printf '%s\n' "${options[@]}" >"$prefix/licenses/qt/CONFIGURE.txt"
echo "Qt for Windows built in $(( ($(date +%s) - started) / 60 )) minutes."
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
