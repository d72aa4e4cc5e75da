#!/usr/bin/env bash
# Copies the licence texts and notices of what the Windows build of Qt carries into a folder:
# Qt's own licences (LGPL v3 with the GPL v3 it builds on), where Qt's source comes from, and the
# notices of the libraries bundled in Qt's Core, Gui, Widgets and the Windows plugins.
#   collect-qt-notices.sh <Qt source folder> <destination> <Debian version of the source>
set -euo pipefail
source=$1 dest=$2 version=$3
mkdir -p "$dest/qt" "$dest/qt/3rdparty"
cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$dest/qt/"
cp "$source/debian/copyright" "$dest/qt/debian-copyright.txt"
cat >"$dest/qt/SOURCE.txt" <<NOTE
Qt $version (qtbase), licensed under the GNU LGPL version 3 (LGPL-3.0-only.txt, which builds on
GPL-3.0-only.txt), built from Debian's source package qt6-base, version $version, with the
configure options in CONFIGURE.txt:

  https://deb.debian.org/debian/pool/main/q/qt6-base/
  https://snapshot.debian.org/package/qt6-base/$version/
  (apt-get source qt6-base=$version)

The Qt libraries are separate DLL files (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins)
that may be replaced by other builds of the same Qt version. Qt's own sources: https://download.qt.io/
NOTE
# The libraries compiled into the parts of Qt that are shipped; the others stay out.
for part in corelib/text corelib/kernel corelib/tools gui/painting gui/text \
            3rdparty/double-conversion 3rdparty/pcre2 3rdparty/zlib 3rdparty/libpng \
            3rdparty/harfbuzz-ng 3rdparty/freetype 3rdparty/md4c 3rdparty/easing 3rdparty/sha1 \
            3rdparty/sha3 3rdparty/md4 3rdparty/md5 3rdparty/rfc6234 3rdparty/blake2 \
            3rdparty/tinycbor 3rdparty/icc; do
    target="$dest/qt/3rdparty/${part//\//-}"
    mkdir -p "$target"
    cp "$source/src/$part/qt_attribution.json" "$target/"
    find "$source/src/$part" -maxdepth 2 -type f \
        \( -iname '*LICENSE*' -o -iname 'LICENCE*' -o -iname 'COPYING*' -o -iname 'NOTICE*' \
           -o -iname 'FTL.TXT' \) \
        -exec cp -t "$target/" {} +
done
