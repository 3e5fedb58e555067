#!/usr/bin/env bash
# Installs what is missing, builds, lays out the program folder and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build.sh -DCORVINA_BUILD_TESTS=OFF -DCORVINA_BUILD_BENCH=OFF
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/CorvinaDesktop/CorvinaDesktop
fi
exec build/CorvinaDesktop/CorvinaDesktop
