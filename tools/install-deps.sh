#!/bin/sh
# Installs everything the build and the tests need on Debian 12.
# Idempotent: when every package is present it only checks and returns.
set -eu

PACKAGES="cmake make g++ clang libclang-rt-14-dev libgtest-dev googletest \
g++-mingw-w64-i686 libz-mingw-w64-dev zlib1g-dev \
wine wine32:i386 xvfb xauth x11-utils imagemagick \
wixl msitools python3 python3-pefile file clang-format"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
