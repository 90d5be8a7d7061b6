#!/usr/bin/env bash
# Runs the setup from the setup folder in a real window on an X server (run
# it under xvfb-run) with the registration tool in a fresh system directory,
# and installs as a user would: clicks "Instalar/Atualizar", confirms with
# Enter, declines the licence with N, then closes with "Fechar". Checks the
# library landed in the system directory and the registry, and leaves
# screenshots of the window and the first message box in WORK for review.
#
#   setup_in_window.sh DIST REGSVR32 PLATFORM WORK
set -Eeuo pipefail

dist=$1 regsvr=$2 platform=$3 work=$4

show_on_failure=("$work/setup.out")
# shellcheck source=../support/window_test.sh
source "$(dirname "$0")/../support/window_test.sh"

require_display xdotool import convert

rm -rf "$work" && mkdir -p "$work/root/system32"
export KELVO_ROOT=$work/root
system=$work/root/system32
cp "$regsvr" "$system/REGSVR32.EXE"
cp "$platform" "$system/$(basename "$platform")"

"$dist/KCSetup" >"$work/setup.out" 2>&1 &
setup_pid=$!
trap 'kill "$setup_pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name "KelvoControls Setup" | head -n 1) ||
  fail "the setup window did not appear"
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
[[ $geometry == 431x327 ]] || fail "the window is $geometry, not 431x327"
sleep 0.5
import -window "$window" "$work/window.png"

# A window other than the setup window, with the same title: the message box.
wait_for_box() {
  for _ in $(seq 100); do
    for candidate in $(xdotool search --onlyvisible --name "KelvoControls Setup" 2>/dev/null); do
      [[ $candidate != "$window" ]] && { echo "$candidate"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
wait_for_box_gone() {
  for _ in $(seq 100); do
    [[ $(xdotool search --onlyvisible --name "KelvoControls Setup" 2>/dev/null | wc -l) -le 1 ]] && return 0
    sleep 0.1
  done
  fail "the message box did not close"
}

# btnComando(0): 1050, 2490, 4365 x 555 twips; its middle in pixels.
xdotool mousemove --window "$window" 215 184 click 1
box=$(wait_for_box) || fail "no confirmation box after the install button"
sleep 0.3
import -window "$box" "$work/confirm.png"
xdotool windowfocus --sync "$box" key Return
wait_for_box_gone
box=$(wait_for_box) || fail "no box after the install ($(ls "$system"))"
xdotool windowfocus --sync "$box" key n
wait_for_box_gone

[[ -f $system/KLVCTL32.OCX ]] || fail "KLVCTL32.OCX is not in the system directory"
grep -q "KLVCTL32.KelvoPanel3D" "$KELVO_ROOT/registry" || fail "the library was not registered"

# btnFechar: 4830, 4380, 1515 x 405 twips.
xdotool mousemove --window "$window" 372 305 click 1
for _ in $(seq 100); do
  kill -0 "$setup_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$setup_pid" 2>/dev/null && fail "Fechar did not end the setup"
wait "$setup_pid" || fail "the setup ended with status $?"
trap - EXIT
echo "ok: installed from the window; screenshots in $work"
