#!/usr/bin/env bash
# Builds Velmora for Windows x86-64 on Debian 12 and checks it under Wine:
#   1. installs mingw-w64, Wine and NSIS, and cross-builds the Qt it needs from Debian's own
#      qt6-base source once into a cache outside the checkout (VELMORA_CACHE, default
#      /var/cache/velmora; 20 to 45 minutes the first time, reused afterwards);
#   2. cross-builds Velmora and its unit tests and runs the tests under Wine with CTest;
#   3. makes build-windows/dist/Velmora-<version>-windows-x64.zip (a portable folder) and
#      Velmora-<version>-windows-x64-setup.exe (an installer);
#   4. starts the packaged program under Wine and Xvfb from the unzipped folder and from a
#      silent install, with the demo catalogue, and waits for its painted window.
# Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
started=$(date +%s)

VELMORA_PACKAGES+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine nsis
                   xvfb xauth zip unzip dpkg-dev googletest fonts-dejavu-core locales)
velmora_install_packages
# Wine takes Windows' language and code page from the Linux locale, and file names need its
# UTF-8: the Japanese locale must exist.
locale -a | grep -qix 'ja_JP.utf8' || localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8

qt=$(tools/windows/build-qt.sh "${VELMORA_CACHE:-/var/cache/velmora}" | tail -n 1)
[ -x "$qt/bin/qt-cmake" ] || { echo "No Qt for Windows in $qt" >&2; exit 1; }
# The host build makes the demo's pictures.
velmora_build make_demo_images

out=$PWD/build-windows
runtime=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)
mkdir -p "$out"
sed -e "s|@WINEPREFIX@|$out/wine|" -e "s|@WINEPATH@|$qt/bin;$runtime;/usr/x86_64-w64-mingw32/lib|" \
    tools/windows/wine-run.sh.in >"$out/wine-run.sh"
chmod +x "$out/wine-run.sh"
[ -d "$out/wine" ] || "$out/wine-run.sh" wineboot -i >/dev/null 2>&1

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build_started=$(date +%s)
"$qt/bin/qt-cmake" -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_BUILD_BENCHMARKS=OFF -DVELMORA_GOOGLETEST_SOURCE=/usr/src/googletest \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$out/wine-run.sh" "${launcher[@]}" >/dev/null
cmake --build "$out/build" -j"$(nproc)"
build_minutes=$(( ($(date +%s) - build_started) / 60 ))

# The tests, before anything is packaged; the summary is repeated at the end. Qt's offscreen
# plugin on Windows takes its fonts from one folder: a Latin and the Japanese fonts the Linux
# tests see.
mkdir -p "$out/fonts"
ln -sf /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
    /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf \
    "$out/fonts/"
test_log="$out/ctest.log"
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR="$out/fonts" ctest --test-dir "$out/build" -j"$(nproc)" --output-on-failure \
    2>&1 | tee "$test_log" || true
tests_passed=0
grep -q '^100% tests passed' "$test_log" && tests_passed=1

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
qt_version=$(sed -n 's/^Qt \([^ ]*\) (qtbase).*/\1/p' "$qt/licenses/qt/SOURCE.txt")
tools/windows/make-windows-packages.sh "$out" "$qt" "$runtime" "$version" "$qt_version"
tools/windows/check-windows-packages.sh "$out" "$version"

echo "Windows build: Velmora compiled in $build_minutes min; the whole stage took" \
     "$(( ($(date +%s) - started) / 60 )) min."
ls -l "$out/dist"
sed -n '/tests passed/,$p' "$test_log"
[ "$tests_passed" = 1 ]
