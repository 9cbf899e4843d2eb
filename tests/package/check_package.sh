#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks its metadata, its file list, the desktop
# entry and the AppStream metainfo inside it.
# Usage: check_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/almadex_*.deb)
echo "package: $(basename "$deb")"

fail() { echo "FAIL: $*"; exit 1; }

info=$(dpkg-deb -I "$deb")
field() { printf '%s\n' "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = almadex ] || fail "package name"
[ -n "$(field Version)" ] || fail "no version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
depends=$(field Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libical3 libicu libcctz2 libstdc++6 qt6-qpa-plugins tzdata; do
    printf '%s' "$depends" | grep -q "$dep" || fail "Depends lacks $dep: $depends"
done
echo "depends: $depends"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/almadex ./usr/bin/almadex-cli \
    ./usr/share/man/man1/almadex-cli.1.gz \
    ./usr/share/applications/org.almadex.Almadex.desktop \
    ./usr/share/metainfo/org.almadex.Almadex.metainfo.xml \
    ./usr/share/almadex/help/index.html \
    ./usr/share/almadex/help/index.fr.html \
    ./usr/share/almadex/help/index.ar.html \
    ./usr/share/almadex/help/guide.css \
    ./usr/share/almadex/help/images/main_window.png \
    ./usr/share/doc/almadex/copyright; do
    printf '%s\n' "$files" | grep -qx "$f" || fail "missing $f"
done
for n in 16 22 24 32 48 64 128 256; do
    printf '%s\n' "$files" | grep -qx "./usr/share/icons/hicolor/${n}x${n}/apps/org.almadex.Almadex.png" ||
        fail "missing the ${n}px icon"
done
# Nothing outside /usr, nothing from the build tree.
! printf '%s\n' "$files" | grep -vE '^\./(usr/.*)?$' | grep -q . || fail "files outside /usr"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.almadex.Almadex.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.almadex.Almadex.metainfo.xml"
# Every picture and the style sheet of the user's guide are in the package.
help="$root/usr/share/almadex/help"
for img in $(cat "$help"/index*.html | grep -oE '(src|href)="[^":#]*"' | sed 's/^[a-z]*="//; s/"$//'); do
    [ -f "$help/$img" ] || fail "the user's guide shows $img, which is not installed"
done
# The packaged command-line tool runs.
"$root/usr/bin/almadex-cli" convert --from gregorian 2024-10-03 | grep -q "1 Tishri 5785" || fail "almadex-cli"
gzip -dc "$root/usr/share/man/man1/almadex-cli.1.gz" | grep -q '^\.TH ALMADEX-CLI' || fail "manual page"
echo "package checks passed"
