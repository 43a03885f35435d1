#!/usr/bin/env bash
# Installs what building, running and testing Mirvel needs on Debian 12, when it is missing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev fp-utils
          fonts-dejavu-core libchm-bin libchm-dev qt6-multimedia-dev libfluidsynth-dev libasound2-dev timgm6mb-soundfont
          pulseaudio pulseaudio-utils poppler-utils
          qt6-image-formats-plugins # the player's own pictures in WebP and TIFF, in the program and its tests
          clang clang-tidy clang-format libclang-rt-14-dev llvm # checks: tools/fuzz.sh, tidy.sh, check-format.sh
          desktop-file-utils appstream) # checks of the desktop entry and the metainfo
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
