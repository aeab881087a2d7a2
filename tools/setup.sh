#!/bin/sh
# Installs the Debian packages Plexaro needs to build, play, test and rebuild its media.
# Run as root on Debian 12. Nothing is downloaded when everything is already there.
set -e
PACKAGES="build-essential cmake pkg-config
liballegro5-dev liballegro-image5-dev liballegro-ttf5-dev liballegro-audio5-dev liballegro-acodec5-dev
libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
libvorbis-dev libogg-dev fonts-dejavu-core
libx11-dev libxfixes-dev xvfb xauth xdotool x11-utils imagemagick sox"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
