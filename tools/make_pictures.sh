#!/usr/bin/env bash
# Draws the program's pictures as SVG and rasterises them into assets/:
#   icons/corvina.svg, icons/corvina.png (256)   application icon
#   icons/tray.png (64), icons/tray22.png (22)    tray icon
#   Skin/*.png|gif (128)                          desktop-note pictures
# Needs: librsvg2-bin (rsvg-convert), imagemagick (convert). Safe to rerun.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$root/assets/icons"
skin="$root/assets/Skin"
mkdir -p "$icons" "$skin"

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# svg -> png at the given size; stripped so reruns give identical bytes.
to_png() { # svg png size
    rsvg-convert -w "$3" -h "$3" "$1" -o "$tmp/raw.png"
    convert "$tmp/raw.png" -strip PNG32:"$2"
}

# GIF has one-bit transparency: keep pixels that are at least half covered.
to_gif() { # svg gif size
    rsvg-convert -w "$3" -h "$3" "$1" -o "$tmp/raw.png"
    convert "$tmp/raw.png" -channel A -threshold 50% +channel -strip "$2"
}

# ---------------------------------------------------------------- app icon
# A round blue-green sparrow whose belly is a clock face (10:10).
cat > "$icons/corvina.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="12" y="12" width="232" height="232" rx="56" fill="#e4f5f1"/>
  <!-- tail -->
  <path d="M176 150 L232 104 Q240 112 236 124 L188 178 Z" fill="#11706b"/>
  <!-- body and head -->
  <ellipse cx="128" cy="150" rx="80" ry="74" fill="#1fa398"/>
  <circle cx="100" cy="82" r="48" fill="#1fa398"/>
  <path d="M62 58 Q96 22 140 52 Q104 42 62 58 Z" fill="#11706b"/>
  <!-- wing -->
  <path d="M172 112 Q220 124 206 182 Q192 206 168 196 Q196 160 172 112 Z" fill="#11706b"/>
  <!-- clock belly -->
  <circle cx="126" cy="160" r="52" fill="#fffaf0" stroke="#0e5f5b" stroke-width="6"/>
  <g stroke="#0e5f5b" stroke-linecap="round" transform="translate(126 160)">
    <g stroke-width="6">
      <line x1="0" y1="-42" x2="0" y2="-33"/>
      <line x1="42" y1="0" x2="33" y2="0"/>
      <line x1="0" y1="42" x2="0" y2="33"/>
      <line x1="-42" y1="0" x2="-33" y2="0"/>
    </g>
    <g stroke-width="3">
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(30)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(60)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(120)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(150)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(210)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(240)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(300)"/>
      <line x1="0" y1="-42" x2="0" y2="-37" transform="rotate(330)"/>
    </g>
    <line x1="0" y1="0" x2="0" y2="-24" stroke-width="7" transform="rotate(-55)"/>
    <line x1="0" y1="0" x2="0" y2="-34" stroke-width="5" transform="rotate(60)"/>
  </g>
  <circle cx="126" cy="160" r="6" fill="#f29a2e"/>
  <!-- face -->
  <path d="M56 72 L26 86 L56 98 Z" fill="#f29a2e" stroke="#f29a2e" stroke-width="4" stroke-linejoin="round"/>
  <circle cx="90" cy="74" r="10" fill="#1c2a33"/>
  <circle cx="93" cy="71" r="3.5" fill="#ffffff"/>
  <ellipse cx="78" cy="100" rx="8" ry="6" fill="#ff9e8f"/>
  <!-- feet -->
  <g stroke="#f29a2e" stroke-width="6" stroke-linecap="round">
    <line x1="108" y1="222" x2="104" y2="236"/>
    <line x1="148" y1="222" x2="152" y2="236"/>
  </g>
</svg>
SVG
to_png "$icons/corvina.svg" "$icons/corvina.png" 256

# ---------------------------------------------------------------- tray icon
# Just the head on a round badge: big shapes that survive 22 px.
cat > "$tmp/tray.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <circle cx="32" cy="32" r="30" fill="#0e5f5b"/>
  <circle cx="35" cy="35" r="21" fill="#2cc0b2"/>
  <path d="M16 27 L2 35 L16 43 Z" fill="#ffb040" stroke="#ffb040" stroke-width="2" stroke-linejoin="round"/>
  <circle cx="30" cy="29" r="9" fill="#ffffff"/>
  <circle cx="28" cy="29" r="5.5" fill="#1c2a33"/>
</svg>
SVG
to_png "$tmp/tray.svg" "$icons/tray.png" 64
to_png "$tmp/tray.svg" "$icons/tray22.png" 22

# ------------------------------------------------------- desktop-note pictures
# 开心佩珂: a cheerful round face with a hair bun.
cat > "$tmp/pelko.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <circle cx="64" cy="20" r="14" fill="#e8743b"/>
  <circle cx="64" cy="70" r="50" fill="#ffd9a8" stroke="#e0a46e" stroke-width="3"/>
  <path d="M16 62 Q20 24 64 22 Q108 24 112 62 Q94 40 64 44 Q34 40 16 62 Z" fill="#e8743b"/>
  <path d="M38 66 Q46 56 54 66" fill="none" stroke="#3a2a20" stroke-width="4" stroke-linecap="round"/>
  <path d="M74 66 Q82 56 90 66" fill="none" stroke="#3a2a20" stroke-width="4" stroke-linecap="round"/>
  <circle cx="36" cy="82" r="8" fill="#ff8a8a" opacity="0.6"/>
  <circle cx="92" cy="82" r="8" fill="#ff8a8a" opacity="0.6"/>
  <path d="M42 82 Q64 112 86 82 Z" fill="#b8323a" stroke="#3a2a20" stroke-width="3" stroke-linejoin="round"/>
  <path d="M52 96 Q64 90 76 96 Q64 106 52 96 Z" fill="#ff7b8a"/>
</svg>
SVG
to_png "$tmp/pelko.svg" "$skin/pelko.png" 128

# 白雪公主: a golden crown among snowflakes.
flake() { # cx cy r
    printf '<g transform="translate(%s %s)" stroke="#5aa8e6" stroke-width="3" stroke-linecap="round">' "$1" "$2"
    for a in 0 60 120; do
        printf '<line x1="0" y1="-%s" x2="0" y2="%s" transform="rotate(%s)"/>' "$3" "$3" "$a"
    done
    printf '</g>'
}
{
cat <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <path d="M22 96 L16 44 L42 66 L64 30 L86 66 L112 44 L106 96 Z" fill="#f7c63d" stroke="#c98a12" stroke-width="4" stroke-linejoin="round"/>
  <rect x="20" y="94" width="88" height="16" rx="4" fill="#f2b320" stroke="#c98a12" stroke-width="4"/>
  <circle cx="16" cy="42" r="6" fill="#ffffff" stroke="#c98a12" stroke-width="3"/>
  <circle cx="64" cy="28" r="7" fill="#ffffff" stroke="#c98a12" stroke-width="3"/>
  <circle cx="112" cy="42" r="6" fill="#ffffff" stroke="#c98a12" stroke-width="3"/>
  <circle cx="64" cy="76" r="8" fill="#e6344a"/>
  <circle cx="40" cy="84" r="5" fill="#3f8ee0"/>
  <circle cx="88" cy="84" r="5" fill="#3f8ee0"/>
SVG
flake 22 16 10; flake 104 14 8; flake 44 10 5; flake 120 76 6; flake 8 74 6; flake 84 12 4
echo '</svg>'
} > "$tmp/snowwhite.svg"
to_gif "$tmp/snowwhite.svg" "$skin/snowwhite.gif" 128

# 时尚女孩: a girl with a bob cut and big sunglasses, handbag at her side.
cat > "$tmp/girl.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <path d="M26 126 Q28 92 56 88 L70 88 Q96 92 98 126 Z" fill="#e8407a"/>
  <rect x="55" y="74" width="14" height="18" fill="#f6c9a6"/>
  <path d="M24 64 Q22 14 62 12 Q102 14 100 64 L100 78 L86 78 L86 50 L38 50 L38 78 L24 78 Z" fill="#2b2340"/>
  <ellipse cx="62" cy="54" rx="26" ry="28" fill="#f6c9a6"/>
  <path d="M36 44 Q50 24 88 40 Q74 26 62 26 Q40 26 36 44 Z" fill="#2b2340"/>
  <g fill="#1c1c28" stroke="#ff6fa6" stroke-width="2">
    <rect x="36" y="46" width="22" height="14" rx="6"/>
    <rect x="66" y="46" width="22" height="14" rx="6"/>
  </g>
  <line x1="58" y1="51" x2="66" y2="51" stroke="#ff6fa6" stroke-width="3"/>
  <path d="M54 70 Q62 76 70 70 Q62 73 54 70 Z" fill="#d3204f" stroke="#d3204f" stroke-width="2" stroke-linejoin="round"/>
  <path d="M96 96 Q96 80 108 80 Q120 80 120 96" fill="none" stroke="#7a3c14" stroke-width="4"/>
  <path d="M90 96 L126 96 L122 124 L94 124 Z" fill="#f59a2a" stroke="#7a3c14" stroke-width="3" stroke-linejoin="round"/>
  <rect x="104" y="102" width="8" height="6" rx="1" fill="#ffe08a"/>
</svg>
SVG
to_gif "$tmp/girl.svg" "$skin/girl.gif" 128

# 漂亮宝贝: a teddy bear face with a bow.
cat > "$tmp/baby.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <circle cx="28" cy="34" r="20" fill="#b9773f"/>
  <circle cx="100" cy="34" r="20" fill="#b9773f"/>
  <circle cx="28" cy="34" r="10" fill="#f0c08f"/>
  <circle cx="100" cy="34" r="10" fill="#f0c08f"/>
  <circle cx="64" cy="70" r="50" fill="#c98646"/>
  <ellipse cx="64" cy="88" rx="24" ry="19" fill="#f3d2ac"/>
  <circle cx="44" cy="64" r="7" fill="#2a1a10"/>
  <circle cx="84" cy="64" r="7" fill="#2a1a10"/>
  <circle cx="46" cy="62" r="2.5" fill="#ffffff"/>
  <circle cx="86" cy="62" r="2.5" fill="#ffffff"/>
  <ellipse cx="64" cy="80" rx="9" ry="6.5" fill="#2a1a10"/>
  <path d="M64 86 L64 92 M54 92 Q64 102 74 92" fill="none" stroke="#2a1a10" stroke-width="3" stroke-linecap="round"/>
  <circle cx="30" cy="82" r="7" fill="#ff8fa8" opacity="0.65"/>
  <circle cx="98" cy="82" r="7" fill="#ff8fa8" opacity="0.65"/>
  <g fill="#ff5c8a" stroke="#c8325e" stroke-width="2.5" stroke-linejoin="round">
    <path d="M64 26 L46 16 L46 36 Z"/>
    <path d="M64 26 L82 16 L82 36 Z"/>
  </g>
  <circle cx="64" cy="26" r="5" fill="#ff5c8a" stroke="#c8325e" stroke-width="2.5"/>
</svg>
SVG
to_gif "$tmp/baby.svg" "$skin/baby.gif" 128

# 铅笔: a pencil writing on a sheet of lined paper.
cat > "$tmp/pencil.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <g transform="rotate(-6 56 66)">
    <rect x="14" y="14" width="84" height="104" rx="5" fill="#ffffff" stroke="#9bb4c8" stroke-width="3"/>
    <g stroke="#bcd4ea" stroke-width="2">
      <line x1="22" y1="38" x2="90" y2="38"/>
      <line x1="22" y1="54" x2="90" y2="54"/>
      <line x1="22" y1="70" x2="90" y2="70"/>
      <line x1="22" y1="86" x2="90" y2="86"/>
      <line x1="22" y1="102" x2="90" y2="102"/>
    </g>
    <line x1="30" y1="20" x2="30" y2="112" stroke="#f29a9a" stroke-width="2"/>
    <path d="M36 50 q5 -10 10 0 t10 0 t10 0 M36 66 q5 -10 10 0 t10 0" fill="none" stroke="#4a4a5a" stroke-width="2.5" stroke-linecap="round"/>
  </g>
  <g transform="translate(64 72) rotate(40)">
    <rect x="-7" y="-66" width="14" height="10" rx="3" fill="#f08aa0"/>
    <rect x="-7" y="-58" width="14" height="6" fill="#b8bcc4"/>
    <rect x="-7" y="-52" width="14" height="44" fill="#f7c535"/>
    <rect x="-2.3" y="-52" width="4.6" height="44" fill="#e8a91c"/>
    <path d="M-7 -8 L7 -8 L0 12 Z" fill="#f3d6a8"/>
    <path d="M-2.6 4.6 L2.6 4.6 L0 12 Z" fill="#3a3a46"/>
  </g>
</svg>
SVG
to_png "$tmp/pencil.svg" "$skin/Pencil.png" 128

for f in "$icons"/corvina.png "$icons"/tray.png "$icons"/tray22.png "$skin"/*; do
    identify -format '%f %wx%h %m\n' "$f"
done
