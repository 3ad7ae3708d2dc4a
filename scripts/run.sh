#!/usr/bin/env bash
# Installs, builds and starts Velmo. Without a display, builds the album of the
# bundled sample folder with velmo-album instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/velmo
fi
sample=build/sample
rm -rf "$sample" && cp -r data/sample "$sample"
build/bin/velmo-album --yes "$sample"
echo "Album written: $sample/Album001.html"
