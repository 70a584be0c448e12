#!/usr/bin/env bash
# Brings every translations/tesselle_<language>.ts up to date with the texts
# in src/: new texts come in unfinished, texts that went are dropped. Give a
# language code (e.g. "nl") to start a new translation. No line numbers are
# kept, so that a moved text changes no translation file.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
shopt -s nullglob
files=(translations/tesselle_*.ts)
for language in "$@"; do
  files+=("translations/tesselle_$language.ts")
done
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src -ts "${files[@]}"
