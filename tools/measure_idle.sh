#!/bin/sh
# Idle cost of the program: a copy of the program folder with 1,000 tasks (none due
# soon), the window shown on a virtual display, CPU time over 60 s once start-up
# has settled. Optional second argument: a tab to show, by its x,y on the 800x500
# screen (e.g. 313,103 for 倒计时器).
# Usage: tools/measure_idle.sh build/CorvinaDesktop [x,y]
# Needs xvfb-run, sqlite3, /usr/bin/time (and xdotool for a tab).
set -eu
src=$(cd "${1:?program folder}" && pwd)
tab=${2:-}
schema=$(cd "$(dirname "$0")/.." && pwd)/assets/schema/CorvinaData.sql
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src" "$work/prog"
rm -f "$work/prog/LData/CorvinaData.mdb"
sqlite3 "$work/prog/LData/CorvinaData.mdb" < "$schema"
sqlite3 "$work/prog/LData/CorvinaData.mdb" <<'SQL'
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999)
INSERT INTO Task (tasktype, taskname, taskmemo, taskdate, tasktime, tasktimetype, xhtype, tasktemptime, stype, Exetype)
SELECT k, '任务' || i, '内容', d, CASE WHEN xh = '1' THEN d || ' ' || t ELSE '每天 ' || t END,
       CASE WHEN i % 7 = 0 THEN '农历' ELSE '阳历' END, xh, t, '0', CASE WHEN k = '程序' THEN '1' END
FROM (SELECT i,
             CASE i % 5 WHEN 0 THEN '闹钟' WHEN 1 THEN '日程' WHEN 2 THEN '计时' WHEN 3 THEN '程序' ELSE '关机' END AS k,
             CASE WHEN (i / 5) % 2 = 0 THEN '1' ELSE '3' END AS xh,
             printf('03:33:%02d', i % 60) AS t,
             printf('2027-06-%02d', 1 + i % 28) AS d
      FROM n);
SQL
cat > "$work/run.sh" <<RUN
#!/bin/sh
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p \$HOME \$XDG_RUNTIME_DIR; chmod 700 \$XDG_RUNTIME_DIR
/usr/bin/time -f "whole run: user %U s, system %S s, elapsed %e s" $work/prog/CorvinaDesktop 2>$work/time.txt &
sleep 8
[ -n "$tab" ] && xdotool mousemove \$(echo "$tab" | tr , ' ') click 1
sleep 2
P=\$(pgrep -x -f $work/prog/CorvinaDesktop)
t0=\$(awk '{print \$14+\$15}' /proc/\$P/stat); w0=\$(date +%s.%N)
sleep 60
t1=\$(awk '{print \$14+\$15}' /proc/\$P/stat); w1=\$(date +%s.%N)
kill -TERM \$P; wait
hz=\$(getconf CLK_TCK)
awk -v a=\$t0 -v b=\$t1 -v u=\$w0 -v v=\$w1 -v hz=\$hz 'BEGIN { c = (b - a) / hz; printf "idle: %.2f s CPU in %.1f s = %.3f %% of one core\n", c, v - u, 100 * c / (v - u) }'
grep 'whole run' $work/time.txt
RUN
chmod +x "$work/run.sh"
xvfb-run -a -s "-screen 0 800x500x24" "$work/run.sh" 2>/dev/null
