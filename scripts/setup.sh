#!/bin/sh
# Installs every Debian package the build, the program and the tests need.
# Idempotent: when everything is present it returns at once.
set -eu

packages="cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest
wine64 xvfb xauth x11-utils xdotool xclip imagemagick fonts-wqy-microhei"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (apt-get is needed) or install these packages first." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing
