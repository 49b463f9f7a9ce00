#!/usr/bin/env bash
# Installs on Debian (as root, or through sudo) what one command needs, and no more:
#   install-deps.sh run       build the native Linux program and run it; with --windows, or for
#                             the demo without a display, zedez.exe under Wine; and the benchmark
#   install-deps.sh package   build zedez.exe and the Linux program, make the zip, the installer
#                             and the .deb
#   install-deps.sh test      everything the tests need (this is also the default)
# Skips the package manager when everything is already there.
set -euo pipefail

windows=(cmake make g++-mingw-w64-x86-64-posix python3)  # python3 draws the icon
linux=(cmake make g++ pkg-config qt6-base-dev libx11-dev libxext-dev libxfixes-dev libxi-dev
    libxrandr-dev libatspi2.0-dev)
# The .deb: CPack finds the programs with file and their dependencies with dpkg-shlibdeps; its
# check (scripts/check-deb.sh) has lintian, the validators and an X server of its own.
deb=(dpkg-dev file lintian desktop-file-utils appstream xvfb xdotool)
screen=(wine wine64 xvfb xdotool imagemagick x11-utils)
case "${1:-test}" in
    run)  # the demo's text: DejaVu; the native benchmark's window manager, peer, bus and text view
        packages=("${linux[@]}" "${windows[@]}" "${screen[@]}" fonts-dejavu-core openbox magnus dbus
            at-spi2-core python3-gi gir1.2-gtk-3.0) ;;
    package)  # openssl and osslsigncode to sign, if asked
        packages=("${windows[@]}" "${linux[@]}" "${deb[@]}" nsis zip osslsigncode openssl) ;;
    test)
        packages=("${windows[@]}" "${linux[@]}" "${deb[@]}" libgtest-dev libxtst-dev "${screen[@]}"
            nsis zip osslsigncode openssl
            # Two monitors: Xorg with the dummy driver, and xrandr.
            xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
            # The native program's scenarios: a window manager, a compositor, its caret and boxes
            # through the accessibility bus, and the text views it follows.
            openbox xcompmgr at-spi2-core dbus dbus-x11 python3-gi gir1.2-atspi-2.0
            gir1.2-gtk-3.0 gir1.2-gtk-4.0 fonts-dejavu-core
            # Its German menu, read from the screen.
            tesseract-ocr tesseract-ocr-deu)
        ;;
    *) echo "usage: install-deps.sh [run|package|test]" >&2 && exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
