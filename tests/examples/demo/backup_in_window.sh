#!/usr/bin/env bash
# Runs the demo in a real window on an X server (run it under xvfb-run),
# opens its Backup window from the toolbar and drives it with xdotool: a
# file is copied and the bar fills; a long copy is stopped with Cancel while
# it runs. Screenshots are left in WORK for review.
#
#   backup_in_window.sh DEMO REGSVR32 KLVCTL32 WORK
set -Eeuo pipefail

demo=$1 regsvr=$2 server=$3 work=$4

show_on_failure=("$work/events.log" "$work/demo.out")
# shellcheck source=../../support/window_test.sh
source "$(dirname "$0")/../../support/window_test.sh"

require_display xdotool import convert

rm -rf "$work" && mkdir -p "$work/root"
export KELVO_ROOT=$work/root
"$regsvr" /s "$server" || fail "REGSVR32 could not register $server"
head -c 3000000 /dev/urandom >"$work/small.bin"
# Long to copy block by block, quick on disk: holes stay holes.
truncate -s 40G "$work/large.bin"

log=$work/events.log
"$demo" --event-log "$log" >"$work/demo.out" 2>&1 &
demo_pid=$!
# SIGKILL: inside a copy the demo reads SIGTERM as a quit request only when
# its window still delivers events, and a failed run must not leave it copying.
trap 'kill -9 "$demo_pid" 2>/dev/null || true' EXIT

# wait_for_log TEXT [SKIP [TENTHS]]: waits up to TENTHS tenths of a second
# (20 s by default) for a line holding TEXT after the first SKIP lines of the
# log. The log reads in one process: a reader that stops at the first match
# would break a pipe, which pipefail counts as no match once the log is large.
wait_for_log() {
  for _ in $(seq "${3:-200}"); do
    awk -v skip="${2:-0}" -v text="$1" 'NR > skip && index($0, text) { found = 1; exit } END { exit !found }' \
      "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the demo never logged: $1"
}

card=$(timeout 20 xdotool search --sync --onlyvisible --name "Customer card" | head -n 1) ||
  fail "the customer card window did not appear"
wait_for_log "frmCustomer.Activate"
xdotool mousemove --window "$card" 374 13 click 1
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Backup$" | head -n 1) ||
  fail "the Backup window did not open"
wait_for_log "frmBackup.Activate"

# Pixel centres (twips / 15) of the two file fields and the two buttons.
fill_in() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  xdotool key End && xdotool key --repeat 120 --delay 2 BackSpace
  xdotool type --delay 5 "$3"
}
copy_file() {
  fill_in 224 18 "$1"
  fill_in 224 44 "$2"
  xdotool mousemove --window "$window" 242 136 click 1
}

copy_file "$work/small.bin" "$work/small.copy"
wait_for_log "cpyBackup.Done()"
cmp -s "$work/small.bin" "$work/small.copy" || fail "the copy differs from its source"
sleep 0.5
import -window "$window" "$work/copied.png"
# The bar's right end is in the foreground colour (selection highlight).
bar=$(convert "$work/copied.png" -format '%[pixel:p{330,102}]' info:)
[[ $bar != "srgb(255,255,255)" && $bar != "white" ]] || fail "the bar is not full (see $work/copied.png): $bar"

before=$(wc -l <"$log")
copy_file "$work/large.bin" "$work/large.copy"
# The first per cent of the large file is 400 MB: slow in an unoptimised sanitizer build.
wait_for_log "cpyBackup.Progress(1, 0)" "$before" 900
xdotool mousemove --window "$window" 318 136 click 1
for _ in $(seq 100); do
  grep -qxF 'cmdCancel.Click()' "$log" && break
  sleep 0.1
done
sleep 1
import -window "$window" "$work/cancelled.png"
grep -qxF 'cmdCancel.Click()' "$log" || fail "Cancel was not clicked during the copy"
last=$(grep -o 'cpyBackup.Progress([0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$')
(( last < 100 )) || fail "the long copy ran to the end ($last%)"
[[ $(grep -c 'cpyBackup.Done()' "$log") == 1 ]] || fail "the cancelled copy raised Done"
copied=$(stat -c %s "$work/large.copy")
(( copied % 10240 == 0 && copied < 42949672960 )) || fail "the cancelled copy holds $copied bytes"

kill -9 "$demo_pid"
trap - EXIT
echo "ok: copied, the bar filled, Cancel stopped a long copy at $last%; pictures in $work"
