#!/usr/bin/env bash
# Installs the Almadex package into a fresh Debian 12 root made with debootstrap, and runs almadex-cli and the
# program's start there. A check of a few minutes, run by hand before a release (not part of CI); needs root and
# the Debian mirror.
# Usage: sudo tools/check_deb_install.sh path/to/almadex_*.deb [root folder]
set -euo pipefail
deb=$(readlink -f "${1:?usage: $0 almadex_VERSION_ARCH.deb [root folder]}")
root=${2:-/var/tmp/almadex-bookworm-root}
mirror=${MIRROR:-http://deb.debian.org/debian}

command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

cleanup() { umount -R "$root/proc" 2>/dev/null || true; }
trap cleanup EXIT

echo "== a fresh Debian 12 root in $root"
rm -rf "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"

echo "== apt install ./$(basename "$deb")"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" >/dev/null

echo "== almadex-cli convert --from gregorian 2024-10-03"
chroot "$root" almadex-cli convert --from gregorian 2024-10-03
chroot "$root" almadex-cli convert --from gregorian 2024-10-03 | grep -q "1 Tishri 5785"

echo "== the desktop program links and starts (offscreen, measuring its start-up)"
chroot "$root" env QT_QPA_PLATFORM=offscreen almadex --measure-startup

echo "== installed files"
chroot "$root" dpkg -L almadex
echo "package installs and runs on a fresh Debian 12"
