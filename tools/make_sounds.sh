#!/usr/bin/env bash
# Generates the program's sounds into assets/Music/ from scratch:
#   defult.wav   reminder chime (two-note bell)
#   Off.wav      shutdown warning (three descending beeps)
#   Time/N.mp3   hourly chime: soft tone, then the hour spoken in Mandarin
# Needs: sox (with libsox-fmt-mp3), espeak-ng. Safe to run repeatedly.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/assets/Music"
mkdir -p "$out/Time"

for tool in sox soxi espeak-ng; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

RATE=22050
# -R keeps dithering repeatable so reruns give identical files.
SOX=(sox -R -V1)

# One bell strike: fundamental plus two partials (one slightly inharmonic,
# as real bells are), with a fast logarithmic decay.
bell() { # file freq seconds gain
    local f="$1" hz="$2" len="$3" gain="$4"
    "${SOX[@]}" -r "$RATE" -c 3 -n "$f" \
        synth "$len" sine "$hz" sine "$(echo "$hz*2.0" | bc -l)" sine "$(echo "$hz*2.76" | bc -l)" \
        remix 1v0.6,2v0.25,3v0.12 \
        fade q 0.008 "$len" "$(echo "$len-0.008" | bc -l)" fade l 0 "$len" "$(echo "$len-0.01" | bc -l)" gain "$gain"
}

# Reminder chime: E6 then C6, the second note overlapping the first's tail.
bell "$tmp/n1.wav" 1318.51 1.6 -3
bell "$tmp/n2.wav" 1046.50 2.0 -3
"${SOX[@]}" "$tmp/n2.wav" "$tmp/n2p.wav" pad 0.45
"${SOX[@]}" -m "$tmp/n1.wav" "$tmp/n2p.wav" -r "$RATE" -c 1 -b 16 "$out/defult.wav" \
    reverb 30 50 60 100 0 0 norm -3 trim 0 2.45 fade t 0 2.45 0.3

# Shutdown warning: three short, slightly buzzy beeps falling in pitch.
i=0
for hz in 988 784 587; do
    "${SOX[@]}" -r "$RATE" -c 2 -n "$tmp/b$i.wav" \
        synth 0.32 square "$hz" sine "$hz" remix 1v0.35,2v0.65 \
        lowpass 3000 fade h 0.01 0.32 0.06
    "${SOX[@]}" -r "$RATE" -c 1 -n "$tmp/g$i.wav" trim 0 0.22
    i=$((i + 1))
done
"${SOX[@]}" "$tmp/b0.wav" "$tmp/g0.wav" "$tmp/b1.wav" "$tmp/g1.wav" "$tmp/b2.wav" "$tmp/g2.wav" \
    -r "$RATE" -c 1 -b 16 "$out/Off.wav" norm -2 pad 0 0.2

# Hourly chime. Hours are written in Chinese numerals so the speech is the
# usual spoken form (两点, not 二点). The plain "cmn" voice hands characters
# missing from its dictionary to the English voice as pinyin; the pinyin
# variant keeps the whole sentence Mandarin.
names=(零 一 两 三 四 五 六 七 八 九 十 十一 十二 十三 十四 十五 十六 十七 十八 十九 二十 二十一 二十二 二十三)
bell "$tmp/tone.wav" 880 0.9 -9
"${SOX[@]}" -r "$RATE" -c 1 -n "$tmp/gap.wav" trim 0 0.25
for h in $(seq 0 23); do
    espeak-ng -v cmn-latn-pinyin -s 165 -p 45 -w "$tmp/say.wav" "现在是北京时间${names[$h]}点整"
    "${SOX[@]}" "$tmp/say.wav" "$tmp/say22.wav" rate "$RATE" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse norm -3
    "${SOX[@]}" "$tmp/tone.wav" "$tmp/gap.wav" "$tmp/say22.wav" -r "$RATE" -c 1 -C 32 \
        "$out/Time/$h.mp3" pad 0 0.2
done

for f in "$out/defult.wav" "$out/Off.wav" "$out/Time/"*.mp3; do
    printf '%-14s %s s, %s Hz, %s ch\n' "${f#"$out"/}" "$(soxi -D "$f")" "$(soxi -r "$f")" "$(soxi -c "$f")"
done
