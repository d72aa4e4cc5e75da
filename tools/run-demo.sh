#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds Velmora, lays the demo out next to the
# program (catalogue, settings, and a demo install folder with the unit pictures) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh

velmora_install_packages
velmora_build velmora make_demo_images

program_folder=build/src
install_folder="$PWD/build/demo-install"
build/tools/make_demo_images data/demo/unitdata.csv "$install_folder"
cp data/demo/unitdata.csv "$program_folder/"
# An existing setting.ini keeps the user's formations; only the install folder is set.
[ -f "$program_folder/setting.ini" ] || cp data/demo/setting.ini "$program_folder/"

# setting.ini is code page 932 with CR LF line ends: the path goes in in that encoding, and
# every other byte of the file stays as it is.
if ! path_bytes=$(printf '%s' "$install_folder" | iconv -f UTF-8 -t CP932); then
    echo "The folder $install_folder cannot be written in code page 932; move the checkout." >&2
    exit 1
fi
VELMORA_PATH="$path_bytes" LC_ALL=C awk '
    BEGIN { done = 0 }
    function put_path() { printf "path=%s\r\n", ENVIRON["VELMORA_PATH"]; done = 1 }
    /^[ \t]*\[/ {
        if (section == "setting" && !done) put_path()
        section = tolower($0); gsub(/[][ \t\r]/, "", section)
    }
    section == "setting" && tolower($0) ~ /^[ \t]*path[ \t]*=/ { if (!done) put_path(); next }
    { print }
    END { if (!done) { if (section != "setting") printf "[Setting]\r\n"; put_path() } }
' "$program_folder/setting.ini" > "$program_folder/setting.ini.new"
mv "$program_folder/setting.ini.new" "$program_folder/setting.ini"

exec "$program_folder/velmora"
