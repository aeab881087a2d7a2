#!/bin/sh
# Rebuilds everything under media/ from the generators in tools/ (pictures, fonts, texts, music, click).
# Deterministic: the same sources give the same files. Run from anywhere inside the repository.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target plexaro-artgen plexaro-musicgen
build/tools/art/plexaro-artgen media
build/tools/music/plexaro-musicgen media
echo "media/ rebuilt"
