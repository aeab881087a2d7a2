#!/bin/sh
# Builds Plexaro (installing what is missing) and plays it from the repository root, where media/ is.
set -e
cd "$(dirname "$0")"
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target plexaro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
Plexaro needs a graphical display, and this session has none (DISPLAY is not set).
  - On a desktop: run ./play.sh from a terminal inside the desktop session.
  - Over SSH: connect with "ssh -X" (or -Y) so the window opens on your screen.
  - Headless, just to see it run: xvfb-run -s "-screen 0 1024x768x24" build/plexaro
MSG
    exit 1
fi
exec build/plexaro
