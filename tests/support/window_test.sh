# Sourced by the tests that drive a real window on an X server (run under
# xvfb-run) with xdotool. Before sourcing, set show_on_failure to the files a
# failure should show (a program's output, the tail of its event log).

# fail MESSAGE: reports the failure with those files and ends the test.
fail() {
  echo "FAIL: $*" >&2
  local file
  for file in "${show_on_failure[@]}"; do
    [[ -s $file ]] && { echo "--- $(basename "$file"):" >&2; tail -n 40 "$file" >&2; }
  done
  exit 1
}
# A command that fails unchecked (an X request on a window gone) says where.
trap 'fail "line $LINENO: $BASH_COMMAND failed"' ERR

# require_display TOOL...: the tools are installed and a display is there.
require_display() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
  done
  [[ -n ${DISPLAY:-} ]] || fail "no X display: run this under xvfb-run"
}
