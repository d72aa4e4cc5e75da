#!/usr/bin/env bash
# Lays out the Windows program's folder from a cross build and makes the portable zip and the
# installer from it, in <out>/dist:
#   make-windows-packages.sh <out> <Qt folder> <mingw runtime folder> <version> <Qt version>
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$1 qt=$2 runtime=$3 version=$4 qt_version=$5
stage="$out/stage/Velmora"
rm -rf "$out/stage" "$out/dist"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations" "$out/dist"

# The program and every DLL it loads: Qt's and the compiler's runtime.
cp "$out/build/src/Velmora.exe" "$stage/"
cp "$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll" "$stage/"
cp "$runtime/libstdc++-6.dll" "$runtime/libgcc_s_seh-1.dll" \
   /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
# Qt's dialog buttons in Japanese; qt.conf tells Qt where its parts are.
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
cp packaging/windows/qt.conf "$stage/"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

# Nothing may load a DLL that is not in the folder or in Windows itself.
system_dlls='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|'
system_dlls+='version|netapi32|userenv|mpr|uxtheme|dwmapi|d3d9|d3d11|dxgi|d2d1|dwrite|setupapi|'
system_dlls+='shlwapi|shcore|wtsapi32|opengl32|msvcrt|authz|comctl32|winspool.drv)\.dll$'
for binary in "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\tDLL Name: //p'); do
        [ -f "$stage/$dll" ] || [[ "${dll,,}" =~ $system_dlls ]] || [[ "${dll,,}" == api-ms-* ]] ||
            { echo "$binary needs $dll, which is not shipped" >&2; exit 1; }
    done
done

# The notices of everything bundled.
mkdir -p "$stage/licenses/mingw-runtime"
cp -r "$qt/licenses/qt" "$stage/licenses/"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-runtime/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-runtime/mingw-w64.txt"
crlf() { sed -e "s/@VERSION@/$version/g" -e "s/@QT_VERSION@/$qt_version/g" -e 's/$/\r/' "$1"; }
crlf packaging/windows/licenses-readme.txt >"$stage/licenses/README.txt"

# The portable folder: an empty setting.ini makes the program keep its files beside itself.
portable="$out/stage/portable/Velmora"
mkdir -p "$portable"
cp -r "$stage/." "$portable/"
: >"$portable/setting.ini"
{ printf '\xEF\xBB\xBF'; crlf packaging/windows/readme-portable.txt; } >"$portable/お読みください.txt"
zip_name="Velmora-$version-windows-x64.zip"
(cd "$out/stage/portable" && zip -q -r -X -UN=UTF8 "$out/dist/$zip_name" Velmora)

# The installer: no setting.ini, so the installed program keeps its files in %APPDATA%\Velmora.
{
    (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) |
        sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|'
} >"$stage.uninstall.nsh"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$PWD/packaging/windows/velmora.ico" \
    -DOUTFILE="$out/dist/Velmora-$version-windows-x64-setup.exe" packaging/windows/installer.nsi
