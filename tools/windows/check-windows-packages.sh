#!/usr/bin/env bash
# Starts the packaged Windows program under Wine and Xvfb, as a player would: from the unzipped
# portable folder (in a folder whose name has Japanese characters and a blank) and from a silent
# install, each first without a catalogue (the missing-file message) and then with the demo
# catalogue (the painted main window). A crash or an unexpected message box fails the check; the
# uninstaller must remove the program and leave the user's files.
#   check-windows-packages.sh <out> <version>
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$1 version=$2
run="$out/wine-run.sh"
fail() { echo "check-windows-packages: $*" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The demo's pictures, and the demo's settings pointing at them with a Windows path.
game="$scratch/game"
build/tools/make_demo_images data/demo/unitdata.csv "$game" >/dev/null
game_path=$("$run" winepath -w "$game" 2>/dev/null | tr -d '\r')
demo_settings() {
    printf '%s' "$game_path" | iconv -f UTF-8 -t CP932 >"$scratch/path" ||
        fail "$game_path cannot be written in code page 932"
    LC_ALL=C awk -v path_file="$scratch/path" '
        BEGIN { getline path < path_file }
        tolower($0) ~ /^path=/ { printf "path=%s\r\n", path; next } { print }
    ' data/demo/setting.ini >"$1/setting.ini"
    cp data/demo/unitdata.csv "$1/"
}

# Starts a Windows program and says what came up: "window" (the main window painted), "message"
# (a message box), or how it ended. It is ended once one of them shows, or after 60 seconds.
start_program() {
    local log="$scratch/program.log"
    QT_LOGGING_RULES="qt.widgets.painting=true" QT_FORCE_STDERR_LOGGING=1 \
        xvfb-run -a -s '-screen 0 1920x1080x24' "$run" "$1" >"$log" 2>&1 &
    local pid=$! seen=""
    for _ in $(seq 600); do
        if grep -q 'name="qt_msgbox_label"' "$log"; then seen=message; break; fi
        if grep -q 'name="grdMsList"' "$log"; then seen=window; break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    local outcome
    if kill -0 "$pid" 2>/dev/null; then
        outcome=${seen:-nothing}
    else
        local status=0
        wait "$pid" || status=$?
        outcome="ended with $status"
        grep -i 'unhandled exception' "$log" >&2 || true
    fi
    # Every Windows process of the prefix ends with the check, whatever came up.
    WINEPREFIX="$out/wine" wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$outcome"
}

# The portable folder, unzipped where a player might put it.
folder="$scratch/ゲーム ツール"
mkdir -p "$folder"
unzip -q "$out/dist/Velmora-$version-windows-x64.zip" -d "$folder"
portable="$folder/Velmora"
[ -f "$portable/お読みください.txt" ] || fail "the zip has no お読みください.txt"
outcome=$(start_program "$portable/Velmora.exe")
[ "$outcome" = message ] || fail "portable, no catalogue: expected the missing-file message, got: $outcome"
demo_settings "$portable"
outcome=$(start_program "$portable/Velmora.exe")
[ "$outcome" = window ] || fail "portable, demo: expected the main window, got: $outcome"
echo "check-windows-packages: the portable folder starts"

# The installer, silently for the current user; the program's files go to %APPDATA%\Velmora.
"$run" "$out/dist/Velmora-$version-windows-x64-setup.exe" /S || fail "the installer failed"
programs=$("$run" cmd /c 'echo %LOCALAPPDATA%\Programs\Velmora' 2>/dev/null | tr -d '\r')
data=$("$run" cmd /c 'echo %APPDATA%\Velmora' 2>/dev/null | tr -d '\r')
installed=$("$run" winepath -u "$programs" 2>/dev/null)
user_data=$("$run" winepath -u "$data" 2>/dev/null)
rm -rf "$user_data"
[ -f "$installed/Velmora.exe" ] || fail "nothing installed in $programs"
outcome=$(start_program "$installed/Velmora.exe")
[ "$outcome" = message ] || fail "installed, first start: expected the missing-file message, got: $outcome"
[ "$(cat "$user_data/setting.ini")" = $'[Setting]\r' ] ||
    fail "installed, first start: no empty setting.ini in $data"
demo_settings "$user_data"
outcome=$(start_program "$installed/Velmora.exe")
[ "$outcome" = window ] || fail "installed, demo: expected the main window, got: $outcome"
menu=$("$run" cmd /c 'echo %APPDATA%\Microsoft\Windows\Start Menu\Programs\Velmora.lnk' 2>/dev/null |
       tr -d '\r')
[ -f "$("$run" winepath -u "$menu" 2>/dev/null)" ] || fail "no Start menu entry $menu"

# The uninstaller, run in place (_?=) so that it is done when it returns.
"$run" "$installed/Uninstall.exe" /S "_?=$programs" || fail "the uninstaller failed"
left=$(cd "$installed" && find . -type f ! -name Uninstall.exe)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ -f "$user_data/setting.ini" ] && [ -f "$user_data/unitdata.csv" ] ||
    fail "the uninstaller removed the user's files"
echo "check-windows-packages: the installer installs, starts and uninstalls"
