#!/usr/bin/env bash
# Mirvel against its peers (gnome-taquin, sgt-fifteen) and a minimal Qt 6 window under Xvfb:
# launch, memory, idle wake-ups and input latency (and Mirvel's tune CPU and click delay), as a
# table, and the first Start of fresh launches. Fails only when a figure could not be measured at
# all. PEERS_RUNS (15 launches), PEERS_PRESSES (40), PEERS_STARTS (10 launches), PEERS_IDLE (10 s)
# change the counts; PEERS_ONLY=fifteen measures Mirvel and the floor against that peer only.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

packages=(xvfb python3-xlib dbus-daemon gnome-taquin sgt-puzzles imagemagick) # imagemagick: bench-all.sh's photo
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2 --target mirvel qt_floor > /dev/null
# Debian's interpreter: python3-xlib is installed for it, whatever python3 is first on the PATH.
exec /usr/bin/python3 bench/peers.py
