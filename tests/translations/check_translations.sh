#!/usr/bin/env bash
# Every text of the game is in each language's file, and translated: lupdate, run over the
# sources, finds nothing the file does not have, and nothing in it is unfinished or gone.
set -euo pipefail
source_dir="$1"
lupdate="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
faults=0
for ts in "$source_dir"/translations/quoxa_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$scratch/$name"
  only=() # English carries its plurals alone
  [ "$name" = quoxa_en.ts ] && only=(-pluralonly)
  "$lupdate" -silent -locations none -no-obsolete "${only[@]}" "$source_dir/src" -ts "$scratch/$name" >/dev/null
  if ! diff -q "$ts" "$scratch/$name" >/dev/null; then
    echo "$name: lupdate finds texts the file does not have:"
    diff "$ts" "$scratch/$name" | grep '^>.*<source>' | head -20 || true
    faults=$((faults + 1))
  fi
  if grep -q 'type="unfinished"\|type="obsolete"\|type="vanished"' "$ts"; then
    echo "$name: has unfinished or old entries"
    faults=$((faults + 1))
  fi
done
[ "$faults" -eq 0 ] && echo "every text translated in $(ls "$source_dir"/translations/quoxa_*.ts | wc -l) languages"
exit "$faults"
