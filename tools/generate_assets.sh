#!/usr/bin/env bash
# Regenerates every committed picture, sound, font sheet, team and translation
# under assets/ from the generator tools in tools/. Run from anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
need=()
/usr/bin/python3 -c 'import PIL' 2>/dev/null || need+=(python3-pil)
/usr/bin/python3 -c 'import numpy' 2>/dev/null || need+=(python3-numpy)
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || need+=(fonts-dejavu-core)
command -v sox >/dev/null || need+=(sox)
command -v espeak-ng >/dev/null || need+=(espeak-ng)
command -v oggenc >/dev/null || need+=(vorbis-tools)
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${need[@]}"
  else
    echo "Missing packages; run: sudo apt-get install -y ${need[*]}" >&2
    exit 1
  fi
fi
# Later tools read what earlier ones wrote: the nationality codes, the teams and the languages
# come before the flags and crests made from them.
order=(gen_text_data gen_fonts gen_pointer gen_backgrounds gen_language gen_licence_text gen_calendars
       gen_tactics gen_teams gen_art_players gen_art_stadium gen_art_match gen_art_menu gen_art_crests gen_sound gen_sound_music)
tools=()
for name in "${order[@]}"; do [ -f "tools/$name.py" ] && tools+=("tools/$name.py"); done
for tool in tools/gen_*.py; do
  case " ${tools[*]} " in *" $tool "*) ;; *) tools+=("$tool") ;; esac
done
for tool in "${tools[@]}"; do
  echo "== $tool"
  /usr/bin/python3 "$tool"
done
for tool in tools/gen_*.sh; do
  [ -e "$tool" ] || continue
  echo "== $tool"
  bash "$tool"
done
