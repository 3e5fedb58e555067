#!/bin/sh
# Puts the program folder's launcher into the user's application menu.
# Usage: tools/install_launcher.sh <program folder>   (e.g. build/CorvinaDesktop)
set -eu
dir=$(cd "${1:?program folder}" && pwd)
entry="$dir/CorvinaDesktop.desktop"
[ -f "$entry" ] || { echo "no launcher in $dir (build the program first)" >&2; exit 1; }
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$apps"
cp "$entry" "$apps/CorvinaDesktop.desktop"
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$apps" || true
echo "installed $apps/CorvinaDesktop.desktop"
