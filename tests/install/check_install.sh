#!/usr/bin/env bash
# Installs the built game into a scratch folder and checks the layout a Debian system has:
# the program in /usr/games, its modules and help reader in /usr/lib/quoxa, its help files in
# /usr/share/quoxa, its manual page, and what a Linux desktop needs in its standard place; the
# program finds its files from its own folder, and the desktop entry, the AppStream data and
# the manual page pass their checkers without a warning.
set -euo pipefail
build="$1"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "$*"; echo "0 passed, 1 failed"; exit 1; }
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/games/quoxa usr/lib/quoxa/quoxa-audio.so usr/lib/quoxa/quoxa-charts.so usr/lib/quoxa/quoxa-online.so \
         usr/lib/quoxa/quoxa-help-reader \
         usr/share/quoxa/Quoxa.chm usr/share/quoxa/Quoxa.de.chm usr/share/man/man6/quoxa.6 \
         usr/share/applications/org.quoxa.Quoxa.desktop usr/share/metainfo/org.quoxa.Quoxa.metainfo.xml \
         usr/share/icons/hicolor/32x32/apps/org.quoxa.Quoxa.png usr/share/icons/hicolor/256x256/apps/org.quoxa.Quoxa.png; do
  [ -s "$root/$f" ] || fail "missing: /$f"
done
for f in usr/games/quoxa usr/lib/quoxa/quoxa-help-reader; do
  [ -x "$root/$f" ] || fail "not a program: /$f"
done
[ ! -e "$root/usr/bin" ] || fail "installed in /usr/bin: $(ls "$root/usr/bin")"
compgen -G "$root/usr/share/doc/*/README.md" >/dev/null || fail "missing: the README in /usr/share/doc"

# Each file the program looks for, by its path from the program's folder, is there.
for name in Quoxa.chm quoxa-audio.so quoxa-charts.so quoxa-online.so quoxa-help-reader; do
  path=$(strings -e l "$root/usr/games/quoxa" | grep -m1 -x "[[:alnum:]_./-]*/$name" || true)
  [ -n "$path" ] && [ -e "$root/usr/games/$path" ] || fail "the program looks for $name at '$path', which is not installed"
done

desktop-file-validate "$root/usr/share/applications/org.quoxa.Quoxa.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quoxa.Quoxa.metainfo.xml" >/dev/null
# The manual page, read as man reads it: groff warns of nothing, and its name line is well formed.
page="$root/usr/share/man/man6/quoxa.6"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
lexgrog "$page" | grep -q ': "quoxa - ' || fail "the manual page's NAME line: $(lexgrog "$page")"
echo "1 passed, 0 failed"
