#!/usr/bin/env bash
# Runs the demo in a real window on an X server (run it under xvfb-run) and
# drives it with xdotool as a user would: clicks into the fields, types, tabs,
# moves the pointer, clicks Save, picks from a field's pop-up menu and presses
# Escape. Then checks what the application saw (its event log) and what the
# screen shows (screenshots of the window and the menu, left in WORK for
# review).
#
#   demo_in_window.sh DEMO REGSVR32 KLVCTL32 WORK
set -Eeuo pipefail

demo=$1 regsvr=$2 server=$3 work=$4

show_on_failure=("$work/events.log" "$work/demo.out")
# shellcheck source=../../support/window_test.sh
source "$(dirname "$0")/../../support/window_test.sh"

require_display xdotool import compare convert

rm -rf "$work" && mkdir -p "$work/root"
export KELVO_ROOT=$work/root
"$regsvr" /s "$server" || fail "REGSVR32 could not register $server"

log=$work/events.log
"$demo" --event-log "$log" >"$work/demo.out" 2>&1 &
demo_pid=$!
trap 'kill "$demo_pid" 2>/dev/null || true' EXIT

# Waits up to ten seconds for a line of the event log matching the pattern.
wait_for_log() {
  for _ in $(seq 100); do
    grep -qF -- "$1" "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the demo never logged: $1"
}

window=$(timeout 20 xdotool search --sync --onlyvisible --name "Customer card" | head -n 1) ||
  fail "the customer card window did not appear ($(cat "$work/demo.out"))"
geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
[[ $geometry == 420x284 ]] || fail "the window is $geometry, not 420x284"
wait_for_log "frmCustomer.Activate"

# Pixel centres of the fields and buttons (twips / 15).
click_at() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}
type_keys() {
  xdotool type --delay 30 "$1"
}

import -window "$window" "$work/empty.png"
click_at 168 54 && wait_for_log "txtCode.MouseUp(1, 0"
type_keys "42"
click_at 258 80 && wait_for_log "txtName.MouseUp(1, 0"
type_keys "joana prado"
click_at 168 106 && wait_for_log "txtBirth.MouseUp(1, 0"
type_keys "15031996"
xdotool key Tab
type_keys "1155550143"
# The credit limit completes its decimals when the focus leaves it.
click_at 356 54 && wait_for_log "numCredit.MouseUp(1, 0"
type_keys "1234,5"
xdotool key Tab
wait_for_log "numQuantity.KeyUp(9, 0)"
xdotool mousemove --window "$window" 250 230 sleep 0.2 mousemove --window "$window" 290 240
wait_for_log "cmdSave.MouseEnter()"
xdotool click 1
wait_for_log "saved "

grep -qxF 'txtBirth.KeyPress(49)' "$log" || fail "the birth date did not get the key 1"
grep -qxF 'saved code="000042" name="JOANA PRADO" birth="15/03/1996" phone="(11) 5555-0143"' "$log" ||
  fail "the record saved is not the one typed: $(grep '^saved' "$log")"
grep -qxF 'saved amounts credit=1234,50 quantity=0 amount=0.00' "$log" ||
  fail "the amounts saved are not the ones typed: $(grep '^saved amounts' "$log")"

# The screen: the typed date is drawn exactly as the locked field's preset
# date, and the birth date field no longer looks empty.
xdotool mousemove --window "$window" 400 20
sleep 0.5
import -window "$window" "$work/window.png"
crop() { convert "$1" -crop "$2" +repage "$3"; }
crop "$work/window.png" 80x21+128+96 "$work/birth.png"
crop "$work/window.png" 80x21+128+148 "$work/since.png"
crop "$work/empty.png" 80x21+128+96 "$work/birth_empty.png"
crop "$work/window.png" 88x21+312+44 "$work/credit.png"
crop "$work/empty.png" 88x21+312+44 "$work/credit_empty.png"
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
[[ $(differing "$work/birth.png" "$work/since.png") == 0 ]] ||
  fail "the birth date field does not show 15/03/1996 as the locked field does (see $work/window.png)"
[[ $(differing "$work/birth.png" "$work/birth_empty.png") != 0 ]] ||
  fail "the birth date field still looks empty (see $work/window.png)"
[[ $(differing "$work/credit.png" "$work/credit_empty.png") != 0 ]] ||
  fail "the credit limit still shows what it showed before typing (see $work/credit.png)"

# The right button opens the field's pop-up menu, a window of its own under
# the pointer; its last item selects the whole text, which typing replaces.
xdotool mousemove --window "$window" 258 80 click 3
menu=""
for _ in $(seq 100); do
  for candidate in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
    [[ $(xdotool getwindowgeometry "$candidate" | awk '/Position/ { print $2 }') == 258,80 ]] && menu=$candidate
  done
  [[ -n $menu ]] && break
  sleep 0.1
done
[[ -n $menu ]] || fail "no pop-up menu appeared under the pointer"
read -r menu_width menu_height < <(xdotool getwindowgeometry "$menu" | awk -F'[ x]+' '/Geometry/ { print $3, $4 }')
for _ in $(seq 50); do
  import -window "$menu" "$work/menu.png"
  [[ $(convert "$work/menu.png" -format '%k' info:) -gt 2 ]] && break
  sleep 0.1
done
[[ $(convert "$work/menu.png" -format '%k' info:) -gt 2 ]] || fail "the pop-up menu is blank (see $work/menu.png)"
# Five items of one height and a separator of nine pixels inside a three-pixel border.
item_height=$(((menu_height - 6 - 9) / 5))
xdotool mousemove --window "$menu" $((menu_width / 2)) $((menu_height - 3 - item_height / 2)) click 1
type_keys "maria souza"
click_at 290 240
wait_for_log 'saved code="000042" name="MARIA SOUZA"'

# Resting on the toolbar's Save button opens its tooltip, a window of its
# own 19 pixels below the pointer; a click saves again.
xdotool mousemove --window "$window" 41 13
wait_for_log "tbnSave.MouseEnter()"
tip=$(timeout 5 xdotool search --sync --onlyvisible --name '^Save the customer$' | head -n 1) ||
  fail "no tooltip appeared over the toolbar's Save button"
eval "$(xdotool getmouselocation --shell)"
[[ $(xdotool getwindowgeometry "$tip" | awk '/Position/ { print $2 }') == "$X,$((Y + 19))" ]] ||
  fail "the tooltip is not 19 pixels below the pointer at $X,$Y"
import -window root "$work/tooltip.png"
xdotool mousemove --window "$window" 42 13 click 1
wait_for_log "tbnSave.Click()"
xdotool search --onlyvisible --name '^Save the customer$' >/dev/null 2>&1 && fail "the click left the tooltip open"

xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$demo_pid" 2>/dev/null && fail "Escape did not close the card"
wait "$demo_pid" || fail "the demo ended with status $?"
trap - EXIT
grep -qxF 'cmdClose.Click()' "$log" || fail "Escape did not reach the Close button"
echo "ok: the card was typed into, saved and closed; the window is in $work/window.png"
