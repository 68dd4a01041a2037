#!/usr/bin/env bash
# Installs the build into an empty prefix and checks that the desktop finds the window there: both
# programs in bin, the desktop entry, and the icon that the entry names.
# Usage: install-into-a-prefix.sh BUILD_FOLDER
set -euo pipefail

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in morvo54-converter morvo54-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
entry="$prefix/share/applications/morvo54-converter.desktop"
[ -f "$entry" ] || fail "the desktop entry is not installed"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Type)" = Application ] || fail "the entry is not an application"
[ -x "$prefix/bin/$(key Exec)" ] || fail "the entry starts $(key Exec), which is not installed"
icon="$prefix/share/icons/hicolor/32x32/apps/$(key Icon).xpm"
[ -f "$icon" ] || fail "the entry's icon $(key Icon) is not installed"
head -n 3 "$icon" | grep -q '"32 32 [0-9]* 1"' || fail "the icon is not a 32 x 32 picture"
echo "Installed: $(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
