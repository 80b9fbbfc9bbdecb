# shellcheck shell=bash
# Starts and stops an Xvfb display of a script's own. Sourced, not run.
#
# start_xvfb [--log FILE] WIDTHxHEIGHTxDEPTH [XVFB_ARG...]
#   Starts Xvfb with one screen of that size and the extra arguments given
#   (such as -dpi 192), waits until it accepts connections, then exports
#   DISPLAY and sets XVFB_PID. Xvfb's output goes to FILE; without --log it is
#   kept only long enough to explain a failed start. Call it in the script's
#   own shell, not in $( ) or a pipe, or DISPLAY and XVFB_PID are lost. Under
#   `set -m` Xvfb leads a process group of its own.
# stop_xvfb
#   Stops it again, if it was started; for the caller's EXIT trap.

XVFB_PID=""
_xvfb_dir=""

start_xvfb() {
  local log=""
  if [ "${1:-}" = --log ]; then
    log=${2:?start_xvfb: --log needs a file}
    shift 2
  fi
  if [[ ! ${1:-} =~ ^[0-9]+x[0-9]+x[0-9]+$ ]]; then
    echo "start_xvfb: expected WIDTHxHEIGHTxDEPTH, got '${1:-}'" >&2
    return 2
  fi
  local screen=$1
  shift
  _xvfb_dir=$(mktemp -d "${TMPDIR:-/tmp}/xvfb.XXXXXX")
  [ -n "$log" ] || log=$_xvfb_dir/log
  : >"$_xvfb_dir/display" # before the first read: Xvfb's job may open it later

  # Xvfb picks a free display number itself and writes it to fd 3 once it
  # accepts connections. A number chosen here could be in use or taken by
  # another server first, and a fixed sleep is too short on a busy machine.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp "$@" 3>"$_xvfb_dir/display" >"$log" 2>&1 &
  XVFB_PID=$!

  local number="" waited
  for ((waited = 0; waited < 400; waited++)); do # 20 s
    # read fails until the whole line is there
    if read -r number <"$_xvfb_dir/display" && [[ $number =~ ^[0-9]+$ ]]; then break; fi
    number=""
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if [ -z "$number" ]; then
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "start_xvfb: Xvfb did not accept connections within 20 s; its output:" >&2
    else
      echo "start_xvfb: Xvfb exited before it accepted connections; its output:" >&2
    fi
    sed 's/^/  /' "$log" | tail -n 20 >&2
    stop_xvfb
    return 1
  fi
  export DISPLAY=":$number"
  rm -rf "$_xvfb_dir"
  _xvfb_dir=""
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    # The group, when Xvfb leads one (with any xkbcomp it has running);
    # otherwise Xvfb alone.
    kill -TERM -- "-$XVFB_PID" 2>/dev/null || kill -TERM "$XVFB_PID" 2>/dev/null || true
    local waited
    for ((waited = 0; waited < 40; waited++)); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    kill -KILL -- "-$XVFB_PID" 2>/dev/null || kill -KILL "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
  if [ -n "$_xvfb_dir" ]; then
    rm -rf "$_xvfb_dir"
    _xvfb_dir=""
  fi
}
