#!/usr/bin/env bash
# Renders every picture of the guide: each example form docs/examples/NAME.frm
# becomes docs/pictures/NAME.png, drawn by formrun without a display and with
# the built-in font, so the pictures are the same on every machine; a form
# named NAME.design.frm is rendered as the designer shows it. With
# --check it renders into a temporary folder instead and fails when a
# checked-in picture differs, is missing or has no form left.
#
#   bash scripts/render-doc-pictures.sh [--check] [BIN]    BIN: build/bin by default
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
check=0
if [ "${1:-}" = --check ]; then
  check=1
  shift
fi
bin=$(cd "${1:-$repo/build/bin}" && pwd)
pictures=$repo/docs/pictures

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KELVO_ROOT=$work/root
unset DISPLAY
"$bin/REGSVR32.EXE" /s "$bin/KLVCTL32.OCX"

out=$pictures
if [ $check = 1 ]; then
  out=$work/pictures
fi
mkdir -p "$out"
for form in "$repo"/docs/examples/*.frm; do
  name=$(basename "$form" .frm)
  mode=()
  if [[ $name == *.design ]]; then
    mode=(--design)
  fi
  "$bin/formrun" "$form" --headless --snapshot "$out/$name.png" "${mode[@]}"
done

stale=0
for picture in "$pictures"/*.png; do
  [ -e "$picture" ] || continue
  name=$(basename "$picture" .png)
  if [ ! -e "$repo/docs/examples/$name.frm" ]; then
    echo "no form renders $picture"
    stale=1
  fi
done
if [ $check = 1 ]; then
  for fresh in "$out"/*.png; do
    kept=$pictures/$(basename "$fresh")
    if [ ! -e "$kept" ]; then
      echo "missing: $kept"
      stale=1
    elif ! cmp -s "$fresh" "$kept"; then
      echo "differs from a fresh rendering: $kept"
      stale=1
    fi
  done
fi
if [ $stale = 1 ]; then
  echo "the guide's pictures are stale; render them again with: bash scripts/render-doc-pictures.sh"
  exit 1
fi
