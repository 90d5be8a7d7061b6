#!/usr/bin/env bash
# Opens the demo's customer card in the designer in a real window on an X
# server (run it under xvfb-run) and works in it as a developer would: selects
# the credit limit, opens its property sheet with F4, sets "MaxLength (Decimal
# part):" to 3, applies, and saves with Ctrl+S. The saved file must hold the
# new length; screenshots of each step are left in WORK for review.
#
#   design_in_window.sh FORMRUN REGSVR32 KLVCTL32 DEMO_FOLDER WORK
set -Eeuo pipefail

formrun=$1 regsvr=$2 server=$3 demo=$4 work=$5

show_on_failure=("$work/formrun.out")
# shellcheck source=../../support/window_test.sh
source "$(dirname "$0")/../../support/window_test.sh"

require_display xdotool import

rm -rf "$work" && mkdir -p "$work/root"
cp -r "$demo/customer_card.frm" "$demo/pictures" "$work/"
export KELVO_ROOT=$work/root
"$regsvr" /s "$server" || fail "REGSVR32 could not register $server"

"$formrun" "$work/customer_card.frm" --design >"$work/formrun.out" 2>&1 &
formrun_pid=$!
trap 'kill "$formrun_pid" 2>/dev/null || true' EXIT

# The first visible window whose name matches, within ten seconds.
window_named() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

form=$(window_named "Customer card") || fail "the designed form did not appear"
window_named "Toolbox" >/dev/null || fail "the toolbox did not appear"
sleep 0.5
import -window root "$work/1_opened.png"

# The credit limit's centre on the form (pixels), then its property sheet.
xdotool mousemove --window "$form" 356 54 click 1
sleep 0.3
import -window root "$work/2_selected.png"
xdotool key F4
sheet=$(window_named "Property Pages - numCredit") || fail "the property sheet did not open"
sleep 0.3
import -window root "$work/3_sheet.png"

# "MaxLength (Decimal part):" holds 2: replace it with 3, then Apply.
xdotool mousemove --window "$sheet" 323 93 click 1
xdotool key End BackSpace BackSpace 3
sleep 0.3
import -window root "$work/4_edited.png"
xdotool mousemove --window "$sheet" 388 343 click 1
sleep 0.3
import -window root "$work/5_applied.png"

# Back on the form: Ctrl+S saves.
xdotool mousemove --window "$form" 356 54 click 1
xdotool key ctrl+s
for _ in $(seq 50); do
  grep -q "DecMaxLength = 3" "$work/customer_card.frm" && break
  sleep 0.1
done
import -window root "$work/6_saved.png"
grep -q "DecMaxLength = 3" "$work/customer_card.frm" || fail "the saved form does not hold DecMaxLength = 3"
kill -0 "$formrun_pid" 2>/dev/null || fail "formrun ended on its own"
echo "saved: DecMaxLength = 3; screenshots in $work"
