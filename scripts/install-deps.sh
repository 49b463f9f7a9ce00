#!/usr/bin/env bash
# Installs on Debian (as root, or through sudo) what one command needs, and no more:
#   install-deps.sh run       build zedez.exe and run it under Wine: itself, its demo, the benchmark
#   install-deps.sh package   build zedez.exe and make the zip and the installer
#   install-deps.sh test      everything the tests need (this is also the default)
# Skips the package manager when everything is already there.
set -euo pipefail

build=(cmake make g++-mingw-w64-x86-64-posix python3)  # python3 draws the icon
screen=(wine wine64 xvfb xdotool imagemagick x11-utils)
case "${1:-test}" in
    run) packages=("${build[@]}" "${screen[@]}" fonts-dejavu-core) ;;  # the demo's text: DejaVu
    package) packages=("${build[@]}" nsis zip osslsigncode openssl) ;;  # to sign, if asked
    test) packages=("${build[@]}" g++ libgtest-dev "${screen[@]}" nsis zip osslsigncode openssl) ;;
    *) echo "usage: install-deps.sh [run|package|test]" >&2 && exit 2 ;;
esac
# The two-monitor scenario: Xorg with the dummy driver, and xrandr.
[ "${1:-test}" != test ] || packages+=(xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)

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
