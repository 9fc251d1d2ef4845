#!/usr/bin/env bash
# The Debian package as a player gets it: built from the finished build folder, unpacked into
# a temporary root and run from there, from another working directory, with a fresh HOME. The
# installed game must find its data, play, keep the player's files in the player's folder and
# leave everything under the prefix as it was; the menu entry and metainfo must validate and
# the manual page must name every option.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || fail "no runtime dependencies in $(basename "$deb")"
dpkg-deb -x "$deb" "$work/root"
prefix="$work/root/usr"
game="$prefix/bin/quilbo"
app=org.quilborovudo.QuilboRovudo
for f in bin/quilbo share/quilbo-rovudo/data/team_aut.qst share/quilbo-rovudo/tactics/preset \
         share/applications/$app.desktop share/metainfo/$app.metainfo.xml share/man/man6/quilbo.6 \
         share/icons/hicolor/16x16/apps/$app.png share/icons/hicolor/256x256/apps/$app.png; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done

snapshot() { (cd "$work/root" && find . -printf '%p %y %s %m\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$work/before"

mkdir -p "$work/home" "$work/elsewhere"
run() { (cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$work/home" "$@"); }

run "$game" --version | grep -q "Quilbo Rovudo" || fail "--version"
run "$game" --headless --match aut:1 bel:1 --seed 1 >"$work/headless.txt" 2>&1 || { cat "$work/headless.txt"; fail "headless match"; }
grep -q '"reached_end":true' "$work/headless.txt" || { cat "$work/headless.txt"; fail "the headless match did not end"; }

# Intro, main menu, game options: the player's country (use flags) changed, then exit saves it.
{
  echo "10 char x"; echo "100 press COMMA"; echo "108 press DOWN"; echo "116 press COMMA"
  f=124; for _ in 1 2 3 4 5 6 7; do echo "$f press DOWN"; f=$((f + 8)); done; echo "$f press COMMA"
} >"$work/options.txt"
run xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --no-sound --seed 1 --fast --input "$work/options.txt" \
  --frames 260 --screenshot 250:"$work/elsewhere/menu.png" >"$work/windowed.txt" 2>&1 || { cat "$work/windowed.txt"; fail "windowed run"; }
grep -qx quit "$work/windowed.txt" || { cat "$work/windowed.txt"; fail "no quit line"; }
[ -s "$work/elsewhere/menu.png" ] || fail "no picture of the menu"
ini="$work/home/.local/share/quilbo-rovudo/quilbo_soccer.ini"
[ -s "$ini" ] || fail "no settings in the player's folder"
[ "$(od -An -t d4 -j 28 -N 4 "$ini" | tr -d ' ')" = 0 ] || fail "the changed option was not saved"

# XDG_DATA_HOME moves the player's folder.
(cd "$work/elsewhere" && HOME="$work/home" XDG_DATA_HOME="$work/xdg" xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$game" --no-sound --seed 1 --fast --input "$work/options.txt" --frames 260 >/dev/null 2>&1) || fail "run with XDG_DATA_HOME"
[ -s "$work/xdg/quilbo-rovudo/quilbo_soccer.ini" ] || fail "XDG_DATA_HOME not honoured"

snapshot >"$work/after"
cmp -s "$work/before" "$work/after" || { diff "$work/before" "$work/after" | head; fail "the installed files changed"; }

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$work/appstream.txt" 2>&1 || { cat "$work/appstream.txt"; fail "metainfo"; }
for opt in $("$game" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -qF -- "$(printf '%s' "$opt" | sed 's/-/\\-/g')" "$prefix/share/man/man6/quilbo.6" || fail "the manual page lacks $opt"
done
echo "package ok: $(basename "$deb")"
