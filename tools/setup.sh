#!/usr/bin/env bash
# Installs, on Debian 12, every package that the build, the tests and the program need.
# Idempotent: when everything is there it only checks (well under a second) and says so.
set -euo pipefail

packages=(
    # compiler and build
    g++ cmake ninja-build pkg-config clang-format
    # tests and benchmarks; the fuzz targets (clang's libFuzzer with its sanitizers)
    googletest libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
    # the table generators and their check, the hostile-input run
    python3
    # the desktop program: Qt 6 Widgets with its platform plugins (offscreen for the GUI tests) and a font
    # (DejaVu Sans, which covers Arabic too)
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev fonts-dejavu-core
    # the tray's notifications over D-Bus and the alerts' sound (Qt Multimedia through GStreamer, whose base
    # plugins decode the default chime of sound-theme-freedesktop, an Ogg Vorbis file, and the user's files)
    qt6-multimedia-dev libqt6dbus6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good sound-theme-freedesktop
    # its French and Arabic: lupdate and lrelease with their CMake functions, Qt's own translations
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # libraries: initialisation files, command line, JSON, iCalendar, the Umm al-Qura and civil Islamic calendars,
    # the zones of the system's tz database (CCTZ reads the compiled files that tzdata keeps current)
    libsimpleini-dev libcli11-dev nlohmann-json3-dev libical-dev libicu-dev libcctz-dev tzdata
    # an independent iCalendar reader for the calendar files' round trip
    python3-icalendar
    # places by name: the GeoNames cities (a library opened at run time) and their French and Arabic names
    libgeonames0 libgeonames-dev libgeonames-common
    # tools the tests drive: PDF text extraction, rich-text conversion, a virtual display with a window
    # manager, keys and window queries for the tests of the real program under it
    poppler-utils libreoffice-writer-nogui xvfb xauth openbox xdotool x11-utils
    # the tray's test: a private session bus and its monitor, a notification server, a tray host, a sound
    # server with a null sink for the player, and a clock moved for the program
    dbus-daemon dbus-bin dunst trayer pulseaudio faketime
    # packaging: the Debian package and the checks of its desktop entry and metainfo
    dpkg-dev file desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all ${#packages[@]} packages are installed"
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
    sudo=(sudo)
fi
echo "setup: installing ${#missing[@]} missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: done"
