#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build.sh
# Widgets run offscreen; nothing here touches the real autostart or shuts anything down.
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$(mktemp -d)"
ctest --test-dir build --output-on-failure -j2 --timeout 600
