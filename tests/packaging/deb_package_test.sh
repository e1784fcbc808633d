#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks that it holds
# the program, its desktop entry and its icon, and declares its dependencies.
#   deb_package_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; fail "cpack could not make the package"; }
deb=$(ls "$out"/quorvil_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no quorvil_*.deb made"

files=$(dpkg-deb -c "$deb")
for path in ./usr/bin/quorvil ./usr/share/applications/quorvil.desktop \
            ./usr/share/icons/hicolor/128x128/apps/quorvil.png; do
  grep -q " $path\$" <<<"$files" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0 libgl1 libglu1-mesa libfontconfig1 libgl1-mesa-dri; do
  grep -Eq "(^|, )$library( |,|\$)" <<<"$depends" || fail "the package does not depend on $library: $depends"
done

# The desktop entry opens the game from the menu, in German, as a game.
entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/quorvil.desktop)
grep -qx "Exec=quorvil" <<<"$entry" || fail "the desktop entry does not start quorvil"
grep -q "^Categories=Game;" <<<"$entry" || fail "the desktop entry is not in the games"
grep -qx "Comment=.*für zwei Spieler.*" <<<"$entry" || fail "the desktop entry has no German comment"
echo "ok: $(basename "$deb")"
