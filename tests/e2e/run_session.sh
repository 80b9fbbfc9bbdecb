#!/usr/bin/env bash
# Runs the end-to-end test in a desktop session of its own: an Xvfb display
# with the openbox window manager, a private D-Bus session bus and the AT-SPI
# accessibility bus on it. Everything started here is stopped on exit, also
# when a step fails or the run is interrupted.
# Usage: run_session.sh QUANTIVEX_BINARY ARTIFACT_DIR
set -euo pipefail
app=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../../script/lib/xvfb.sh
source "$here/../../script/lib/xvfb.sh"
mkdir -p "$artifacts"

# A missing tool is a failure, never a skip: script/bootstrap installs them all.
for tool in Xvfb openbox dbus-daemon dbus-send xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is missing; run script/bootstrap" >&2; exit 1; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "e2e: at-spi2-core is missing; run script/bootstrap" >&2; exit 1; }
# Debian's own Python: pyatspi is a Debian package, not in another interpreter on PATH.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "e2e: python3-pyatspi is missing; run script/bootstrap" >&2; exit 1; }
rm -f "$artifacts"/*.png "$artifacts"/*.log "$artifacts"/*.tree.txt

# Each background job gets a process group of its own, so stopping one also
# stops what it spawned (the accessibility bus launcher starts a bus daemon and
# the registry).
set -m
work=$(mktemp -d /tmp/quantivex-e2e.XXXXXX)
chmod 700 "$work"
started=()
cleanup() {
  local status=$?
  local i pid
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    pid=${started[i]}
    kill -TERM -- "-$pid" 2>/dev/null || true
  done
  for pid in "${started[@]}"; do
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -KILL -- "-$pid" 2>/dev/null || true
  done
  # The display goes last, after every client of it.
  stop_xvfb
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Nothing from the caller's desktop may leak in: this session is the only one.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY XAUTHORITY
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export XDG_RUNTIME_DIR=$work
export HOME=$work

wait_for_file() {  # FILE WHAT: polls until FILE has content, for up to 10 s
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  echo "e2e: $2 did not start" >&2
  return 1
}

# A screen as large as a desktop at scale 2 has: the windows that open beside
# the calculator are checked at that scale too.
start_xvfb --log "$artifacts/xvfb.log" 2560x1440x24

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$artifacts/dbus.log" 2>&1 &
started+=($!)
wait_for_file "$work/bus" "the D-Bus session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

openbox --sm-disable >"$artifacts/openbox.log" 2>&1 &
started+=($!)
# A window manager announces itself on the root window; windows opened before
# that would be placed and focused by nobody.
# (Output is read whole, not through grep -q: under pipefail a writer cut
# short by grep's early exit would fail the check.)
wm_up() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
for _ in $(seq 200); do
  wm_up && break
  sleep 0.05
done
wm_up || { echo "e2e: openbox did not start" >&2; exit 1; }

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$artifacts/at-spi.log" 2>&1 &
started+=($!)
# Asked without activating it, so a slow launcher is never started twice.
a11y_bus_up() {
  [[ $(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null) == *true* ]]
}
for _ in $(seq 200); do
  a11y_bus_up && break
  sleep 0.05
done
a11y_bus_up || { echo "e2e: the accessibility bus did not start" >&2; exit 1; }

echo "e2e: display $DISPLAY, artifacts in $artifacts"
# The driver's report is kept beside the screenshots, for a run that failed once;
# -B keeps the source tree free of bytecode.
/usr/bin/python3 -B "$here/real_display.py" --app "$app" --artifacts "$artifacts" 2>&1 | tee "$artifacts/e2e.log"
