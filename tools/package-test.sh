#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed game under Xvfb as an ordinary
# user, checks that its windows appear and that it wrote nothing beside itself, then removes
# the package and checks that nothing of it is left. Needs root (it installs a package);
# run after a build. The screenshot of the installed game goes to build/installed.png.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-test: needs root, to install the package" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
for p in xvfb xdotool x11-apps imagemagick desktop-file-utils appstream; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        apt-get install -y -q --no-install-recommends "$p" > /dev/null
done

(cd build && rm -f mirvel_*.deb && cpack -G DEB > /dev/null)
deb=$(realpath build/mirvel_*.deb)
dpkg-query -W mirvel > /dev/null 2>&1 && apt-get remove -y -q mirvel > /dev/null
apt-get install -y -q "$deb" > /dev/null

home=$(mktemp -d)
chmod 700 "$home"
chown nobody "$home"
fail() { echo "package-test: $*" >&2; exit 1; }
# The game as a user would start it: from the path the desktop entry names, in a fresh home.
run_as_user() { # run in the background only: it replaces its shell
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$home" XDG_RUNTIME_DIR="$home" PATH=/usr/bin:/bin LANG=en_US.UTF-8 DISPLAY="$DISPLAY" \
        QT_XCB_NO_MITSHM=1 "$@"
}
desktop=/usr/share/applications/example.kelmsoft.mirvel.desktop
metainfo=/usr/share/metainfo/example.kelmsoft.mirvel.metainfo.xml
grep -qx "Exec=mirvel %f" "$desktop" || fail "the desktop entry does not start mirvel with the file"
# What a desktop or software centre reads must be valid as installed, not only in the sources.
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "the desktop entry is not valid: $out"
out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "the metainfo is not valid: $out"
# The player's own WebP and TIFF pictures need Qt's image format plugins: the package must pull them in.
dpkg-deb -f "$deb" Depends | grep -q qt6-image-formats-plugins || fail "the package does not depend on the plugins"
for plugin in libqwebp.so libqtiff.so; do
    compgen -G "/usr/lib/*/qt6/plugins/imageformats/$plugin" > /dev/null || fail "no Qt image format plugin $plugin"
done
for m in mirvel-audio.so mirvel-fluid.so; do
    [ -f "/usr/libexec/mirvel/$m" ] || fail "no $m beside the program"
done
# A display of our own that any local user may draw on. Xvfb picks a free number itself and
# writes it once it accepts clients: a guessed number may be taken or left over from a dead server.
numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp 3> "$numberfile" > /dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2> /dev/null || true; rm -f "$numberfile"' EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
[ -s "$numberfile" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$numberfile")
# Started as "Open with Mirvel" starts it: with a picture of the user's, in WebP, which only the
# image format plugins read.
convert -size 600x400 plasma:fractal "$home/My photo.webp"
chown nobody "$home/My photo.webp"
run_as_user /usr/bin/mirvel "$home/My photo.webp" & game=$!
# The first window of some size named Mirvel: the about box first, the main window after OK.
window_wider_than() {
    for _ in $(seq 100); do
        for w in $(xdotool search --onlyvisible --name "^Mirvel$" 2> /dev/null); do
            width=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            [ "${width:-0}" -gt "$1" ] && { echo "$w"; return; }
        done
        sleep 0.2
    done
    return 1
}
about=$(window_wider_than 100) || fail "no about box"
sleep 0.5
xdotool mousemove --window "$about" 20 20 key Return
window_wider_than 683 > /dev/null || fail "no main window after the about box"
sleep 1 # mapped is not yet painted
xwd -root -silent | convert xwd:- build/installed.png
kill "$game"; wait "$game" 2> /dev/null || true

[ -z "$(ls /usr/libexec/mirvel | grep -v '^mirvel$\|^mirvel-audio.so$\|^mirvel-fluid.so$\|^Mirvel.chm$')" ] ||
    fail "it wrote beside the program: $(ls /usr/libexec/mirvel)"
# The sound modules are loaded later, with the first sound: their libraries must be there too.
ldd /usr/libexec/mirvel/mirvel-*.so | grep -q "not found" && fail "a sound module lacks a library"
[ -f "$home/.config/Mirvel/Mirvel.ini" ] || fail "no options in the user's folder"
grep -qxF "PictureFile=$home/My photo.webp" "$home/.config/Mirvel/Mirvel.ini" ||
    fail "the picture of the command line was not taken: $(cat "$home/.config/Mirvel/Mirvel.ini")"

apt-get remove -y -q mirvel > /dev/null
for f in /usr/bin/mirvel /usr/libexec/mirvel "$desktop" /usr/share/icons/hicolor/scalable/apps/mirvel.svg "$metainfo"; do
    [ ! -e "$f" ] || fail "$f is left after removal"
done
rm -rf "$home"
echo "package-test: $(basename "$deb") installs, starts from /usr/bin/mirvel, writes only to the user's folders, and removes cleanly"
