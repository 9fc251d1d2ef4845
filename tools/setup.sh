#!/usr/bin/env bash
# Installs the Debian packages the game needs to build (and, with "test", to run
# its tests under a virtual display, linked by lld). As root it installs what is missing with
# apt-get; otherwise it prints the exact apt-get line and stops.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libsdl2-dev libpng-dev zlib1g-dev libjpeg62-turbo-dev
          libogg-dev libvorbis-dev libgl-dev libgl1-mesa-dri libgtest-dev googletest)
if [ "${1:-}" = test ]; then
  packages+=(xvfb xauth lld)
  # The package check of `make test`: unpacking and validating the installed files.
  packages+=(dpkg desktop-file-utils appstream)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q || true
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Some packages are missing. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
