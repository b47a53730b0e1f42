#!/usr/bin/env bash
# Checks that the releases agree: the package's changelog and the AppStream data list the same
# releases, newest first, each on the same day, and the newest is the version the build gives
# the program.
set -euo pipefail
src="$1"
fail() { echo "$*"; echo "0 passed, 1 failed"; exit 1; }

# "2.0 2026-12-06", one line a release, newest first.
from_changelog=$(dpkg-parsechangelog -l "$src/debian/changelog" --all --format rfc822 |
  while IFS= read -r line; do
    case "$line" in
      Version:*) version=${line#Version: }; version=${version#*:}; version=${version%-*} ;;
      Date:*) set -- ${line#Date: }; echo "$version $(date -d "$2 $3 $4" +%F)" ;;
    esac
  done)
from_appstream=$(tr '\n' ' ' < "$src/resources/desktop/org.quoxa.Quoxa.metainfo.xml" | grep -o '<release [^>]*>' |
  while IFS= read -r release; do
    version=$(sed -n 's/.* version="\([^"]*\)".*/\1/p' <<< "$release")
    day=$(sed -n 's/.* date="\([^"]*\)".*/\1/p' <<< "$release")
    echo "$version $day"
  done)
[ -n "$from_changelog" ] || fail "debian/changelog lists no release"
[ "$from_changelog" = "$from_appstream" ] ||
  fail "debian/changelog and the AppStream data list different releases:"$'\n'"$(diff <(echo "$from_changelog") <(echo "$from_appstream"))"

project=$(sed -n 's/^project(Quoxa VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
newest=${from_changelog%% *}
[ "$project" = "$newest" ] || fail "the build's version is $project, the newest release $newest"
echo "1 passed, 0 failed"
