#!/usr/bin/env bash
# Brings translations/velmo_en.ts up to date with the texts in src/: new
# texts come in as unfinished entries (to be given their English), texts no
# longer in the sources go. Run it after adding or changing a text, fill in
# the English of every unfinished entry (Qt Linguist, or by hand), and commit
# the .ts file; the catalogue test fails while an entry has no English.
#
#   bash scripts/update-translations.sh          update the catalogue
#   bash scripts/update-translations.sh --check  only say whether it is current
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
catalogue=translations/velmo_en.ts
# Sources are Japanese (UTF-8); the catalogue gives their English.
options=(-silent -no-obsolete -locations none -source-language ja -target-language en -extensions cpp,h)

if [ "${1:-}" = --check ]; then
  current=$(mktemp --suffix=.ts)
  trap 'rm -f "$current"' EXIT
  cp "$catalogue" "$current"
  "$lupdate" "${options[@]}" src -ts "$current"
  if ! cmp -s "$catalogue" "$current"; then
    echo "$catalogue is not current: run bash scripts/update-translations.sh" >&2
    diff -u "$catalogue" "$current" >&2 || true
    exit 1
  fi
  exit 0
fi

"$lupdate" "${options[@]}" src -ts "$catalogue"
unfinished=$(grep -c 'type="unfinished"' "$catalogue" || true)
echo "$catalogue: $(grep -c '<message>' "$catalogue") texts, $unfinished without English"
