#!/usr/bin/env bash
# Installs what building, running and testing need on Debian (as root, or through sudo).
# Skips the package manager when everything is already there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool
    imagemagick x11-utils)

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
