#!/usr/bin/env bash
# Measures the program with its web panels: time from start to the main window
# shown, and the proportional set size over all its processes once every tab
# (and so every panel) has been shown. Runs a copy of the program folder under
# its own X server; nothing of the user's is touched.
# Usage: tools/measure_webpanels.sh build/CorvinaDesktop [screenshot-dir]
set -euo pipefail
if [ -z "${MEASURE_INNER:-}" ]; then
  src=$(readlink -f "${1:?program folder}")
  work=$(mktemp -d)
  cp -r "$src" "$work/prog"
  shots=${2:-}
  MEASURE_INNER=1 XDG_CONFIG_HOME="$work/xdg" HOME="$work" \
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$work/prog" "$shots"
fi
prog=$1; shots=${2:-}
t0=$(date +%s.%N)
"$prog/CorvinaDesktop" >/dev/null 2>&1 &
pid=$!
win=""
for _ in $(seq 1 1000); do
  win=$(xdotool search --onlyvisible --name '青雀日程助手' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.01
done
t1=$(date +%s.%N)
echo "start to main window shown: $(echo "$t1 - $t0" | bc) s"
sleep 6
# the window found first may be a passing one: take the 644 px wide main window
for w in $(xdotool search --onlyvisible --name '青雀日程助手'); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$WIDTH" = 644 ] && break
done
[ -n "$shots" ] && mkdir -p "$shots" && import -window root -crop 644x388+$X+$Y "$shots/tab1.png"
# the tab bar lies 35 px below the window's top; the task tabs after 首页 are about 72 px wide
for i in 2 3 4 5 6; do
  xdotool mousemove $((X + 92 + (i - 2) * 72)) $((Y + 48)) click 1 || true
  sleep 3
  [ -n "$shots" ] && import -window root -crop 644x388+$X+$Y "$shots/tab$i.png"
done
sleep 3
pids="$pid $(pgrep -d ' ' -P "$pid" || true)"
for p in $(pgrep -P "$pid" || true); do pids="$pids $(pgrep -d ' ' -P "$p" || true)"; done
total=0; n=0
for p in $pids; do
  [ -r /proc/$p/smaps_rollup ] || continue
  kb=$(awk '/^Pss:/{print $2}' /proc/$p/smaps_rollup)
  rss=$(awk '/^Rss:/{print $2}' /proc/$p/smaps_rollup)
  printf '  %-7s %8s kB PSS %8s kB RSS  %s\n' "$p" "$kb" "$rss" "$(tr '\0' ' ' </proc/$p/cmdline | cut -c1-70)"
  total=$((total + kb)); n=$((n + 1))
done
echo "processes: $n, total PSS: $((total / 1024)) MB"
kill "$pid"; wait "$pid" 2>/dev/null || true
