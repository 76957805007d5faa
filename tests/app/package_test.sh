#!/usr/bin/env bash
# The Debian package holds the game, the engine, its opening book, the
# sound library, the desktop entry and the icon, and depends on the Qt and
# SDL libraries it links. Builds the package into a fresh folder; installs nothing.
#   package_test.sh BUILD_DIR
set -eu
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/tanukiban_*_amd64.deb 2>/dev/null | head -1)
[[ -n "$deb" ]] || fail "no tanukiban_<version>_amd64.deb: $(ls "$work")"
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/tanukiban usr/bin/tanukiban-usi usr/lib/tanukiban/libtanukiban_sound.so \
         usr/share/tanukiban/opening.book \
         usr/share/applications/tanukiban.desktop usr/share/icons/hicolor/128x128/apps/tanukiban.png; do
    grep -q " \./$f\$" <<< "$contents" || fail "$f is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libsdl2-2.0-0 libsdl2-mixer-2.0-0; do
    [[ "$depends" == *"$lib "* ]] || fail "Depends does not name $lib: $depends"
done
echo "$(basename "$deb"): Depends: $depends"
