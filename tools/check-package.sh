#!/usr/bin/env bash
# Builds the Debian package and checks it the way an installation would use it: its file list
# and dependencies, the menu entry and AppStream file, and the unpacked program started against
# a user's data folder, first empty (first start), then holding the demo files.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

VELMORA_PACKAGES+=(desktop-file-utils appstream dpkg-dev file)
velmora_install_packages
deb=$(tools/make-package.sh | tail -n 1)
velmora_build make_demo_images

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

# The file list, exactly: a forgotten or misplaced install rule shows up here.
expected="./usr/bin/velmora
./usr/share/applications/velmora.desktop
./usr/share/icons/hicolor/128x128/apps/velmora.png
./usr/share/icons/hicolor/16x16/apps/velmora.png
./usr/share/icons/hicolor/256x256/apps/velmora.png
./usr/share/icons/hicolor/32x32/apps/velmora.png
./usr/share/icons/hicolor/48x48/apps/velmora.png
./usr/share/icons/hicolor/64x64/apps/velmora.png
./usr/share/icons/hicolor/scalable/apps/velmora.svg
./usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml"
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$actual" = "$expected" ] || fail "unexpected file list:"$'\n'"$actual"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 "fonts-ipafont-gothic | fonts-noto-cjk" qt6-translations-l10n; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/velmora.desktop"
metainfo="$root/usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo"
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in the metainfo"
file "$root/usr/bin/velmora" | grep -q 'ELF.*executable' || fail "usr/bin/velmora is no program"

# Starts the unpacked program with its user data under $1 and says what came up: "window" (the
# main window painted), "message" (a message box), or how it ended. The program is ended once
# one of them shows, or after 30 seconds.
start_program() {
    local log="$scratch/program.log"
    QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$1" QT_LOGGING_RULES="qt.widgets.painting=true" \
        "$root/usr/bin/velmora" >"$log" 2>&1 &
    local pid=$! seen=""
    for _ in $(seq 300); do
        if grep -q 'name="qt_msgbox_label"' "$log"; then seen=message; break; fi
        if grep -q 'name="grdMsList"' "$log"; then seen=window; break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" || true
        echo "${seen:-nothing}"
    else
        local status=0
        wait "$pid" || status=$?
        echo "ended with $status"
    fi
}

# First start: the user's data folder and an empty settings file are made, and the missing
# catalogue is reported.
outcome=$(start_program "$scratch/first")
[ "$outcome" = message ] || fail "first start: expected the missing-catalogue message, got: $outcome"
[ "$(cat "$scratch/first/Velmora/setting.ini")" = $'[Setting]\r' ] ||
    fail "first start: setting.ini is not an empty Setting section"

# With the demo files in the user's data folder the window comes up.
data="$scratch/demo/Velmora"
mkdir -p "$data"
build/tools/make_demo_images data/demo/unitdata.csv "$scratch/game" >/dev/null
cp data/demo/unitdata.csv "$data/"
sed "s|^path=[^\r]*|path=$scratch/game|" data/demo/setting.ini >"$data/setting.ini"
outcome=$(start_program "$scratch/demo")
[ "$outcome" = window ] || fail "demo start: expected the main window, got: $outcome"

echo "check-package: $deb is sound"
