#!/usr/bin/env bash
# Installs the built game into a scratch folder and checks that everything a Linux desktop
# needs is in its standard place and passes the desktop validators.
set -euo pipefail
build="$1"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/quoxa usr/share/quoxa/Quoxa.chm \
         usr/share/applications/org.quoxa.Quoxa.desktop usr/share/metainfo/org.quoxa.Quoxa.metainfo.xml \
         usr/share/icons/hicolor/32x32/apps/org.quoxa.Quoxa.png usr/share/icons/hicolor/256x256/apps/org.quoxa.Quoxa.png \
         usr/share/doc/Quoxa/LICENSE; do
  [ -s "$root/$f" ] || { echo "missing: /$f"; exit 1; }
done
# The audio output module, under the library folder of whatever layout the prefix has.
find "$root/usr" -path '*/quoxa/quoxa-audio.so' -size +0 | grep -q . || { echo "missing: the audio output module"; exit 1; }
find "$root/usr" -path '*/quoxa/quoxa-charts.so' -size +0 | grep -q . || { echo "missing: the chart module"; exit 1; }
find "$root/usr" -path '*/quoxa/quoxa-help-reader' -perm -u+x | grep -q . || { echo "missing: the help reader"; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.quoxa.Quoxa.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quoxa.Quoxa.metainfo.xml" >/dev/null
echo "1 passed, 0 failed"
